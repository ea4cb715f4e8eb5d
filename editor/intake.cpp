#include "editor/intake.h"

#include "framework/drag_item.h"
#include "framework/graphics.h"
#include "framework/picture.h"
#include "framework/picture_decoder.h"

namespace intake {

void AcceptDrops(Main& window, const CoverRow& cover) {
    auto canvas = window.Control<Canvas>(cover.canvas);
    canvas->AcceptPictureDrop();
    canvas->AcceptFileDrop("image/x-bmp");
    canvas->AcceptFileDrop("image/jpeg");
}

void Drop(Main& window, const CoverRow& cover, const Ref<DragItem>& item) {
    const Ref<FolderItem>& file = NonNil(item, "the dropped item").FolderItem();
    // Picture data comes without a file, or with a file of a type not taken here, such as PNG.
    if (!file)
        throw NilObjectException(std::string("The ") + cover.title +
                                 " takes JPEG and BMP files only: PNG files, and pictures that come "
                                 "without a file, are not taken here.");
    LoadCover(window, cover, file);
}

Ref<Picture> OpenPicture(const FolderItem& file) {
    Ref<Picture> picture = file.OpenAsPicture();
    if (!picture) throw PictureFileFailure(file.AbsolutePath(), file.LastError());
    return picture;
}

void LoadCover(Main& window, const CoverRow& cover, const Ref<FolderItem>& fileRef) {
    const FolderItem& file = NonNil(fileRef, "the chosen file");
    auto canvas = window.Control<Canvas>(cover.canvas);
    const int32_t canvasWidth = canvas->Width();
    const int32_t canvasHeight = canvas->Height();

    // The preview first: any failure, also one found while decoding, leaves the cover untouched.
    Ref<Picture> loaded = OpenPicture(file);
    Ref<Picture> preview = NewPicture(canvasWidth, canvasHeight, 32);
    Picture& previewPicture = NonNil(preview, "the new preview");
    NonNil(previewPicture.Graphics(), "the preview's graphics")
        .DrawPicture(loaded, 0, 0, previewPicture.Width(), previewPicture.Height(), 0, 0, loaded->Width(),
                     loaded->Height());

    window.Control<StaticText>(cover.hintLabel)->Visible(false);
    window.*cover.path = file.AbsolutePath();
    window.Control<StaticText>(cover.nameLabel)->Text(file.Name());
    window.*cover.preview = preview;
    canvas->Refresh(true);
}

}  // namespace intake
