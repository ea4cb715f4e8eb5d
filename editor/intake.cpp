// Cover intake: a picture file becomes a cover's file, with its name shown and a preview of the
// canvas's size. The new preview is built first; only then does the cover change, all at once.
#include "editor/intake.h"

#include "editor/Main.h"
#include "framework/drag_item.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/picture_decoder.h"

namespace intake {

Ref<Picture> OpenPicture(const FolderItem& file) {
    Ref<Picture> picture = file.OpenAsPicture();
    if (!picture) throw PictureFileFailure(file.AbsolutePath(), file.LastError());
    return picture;
}

}  // namespace intake

// The drop's declaration: the canvas takes dropped BMP and JPEG files and picture data.
void Main::AcceptDrops(const CoverRow& cover) {
    auto canvas = Control<Canvas>(cover.canvas);
    canvas->AcceptPictureDrop();
    canvas->AcceptFileDrop("image/x-bmp");
    canvas->AcceptFileDrop("image/jpeg");
}

// A drop without a file, or of a file that is no picture, changes nothing and raises NilObjectException
// naming the file and the reason.
void Main::DropOnCover(const CoverRow& cover, const Ref<DragItem>& item) {
    const Ref<FolderItem>& file = NonNil(item, "the dropped item").FolderItem();
    // Picture data comes without a file, or with a file of a type not taken here, such as PNG.
    if (!file)
        throw NilObjectException(std::string("The ") + cover.title +
                                 " takes JPEG and BMP files only: PNG files, and pictures that come "
                                 "without a file, are not taken here.");
    LoadCover(cover, file);
}

// The steps a drop and the Insert items share.
void Main::LoadCover(const CoverRow& cover, const Ref<FolderItem>& fileRef) {
    const FolderItem& file = NonNil(fileRef, "the chosen file");
    auto canvas = Control<Canvas>(cover.canvas);
    const int32_t canvasWidth = canvas->Width();
    const int32_t canvasHeight = canvas->Height();

    // The preview first: any failure, also one found while decoding, leaves the cover untouched.
    Ref<Picture> loaded = intake::OpenPicture(file);
    Ref<Picture> preview = NewPicture(canvasWidth, canvasHeight, 32);
    Picture& previewPicture = NonNil(preview, "the new preview");
    NonNil(previewPicture.Graphics(), "the preview's graphics")
        .DrawPicture(loaded, 0, 0, previewPicture.Width(), previewPicture.Height(), 0, 0, loaded->Width(),
                     loaded->Height());

    Control<StaticText>(cover.hintLabel)->Visible(false);
    this->*cover.path = file.AbsolutePath();
    Control<StaticText>(cover.nameLabel)->Text(file.Name());
    this->*cover.preview = preview;
    canvas->Refresh(true);
}
