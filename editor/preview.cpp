// Preview painting and turning: a canvas shows a black frame along its edges and its cover's preview
// at the preview's own size; Rotate turns the preview a quarter turn clockwise.
#include "editor/Main.h"
#include "framework/graphics.h"
#include "picture/GraphicUtils.h"

void Main::PaintCover(const CoverRow& cover, const Ref<Graphics>& gRef) {
    Graphics& g = NonNil(gRef, "the canvas's graphics");
    g.SetForeColor(RGB(0, 0, 0));
    g.DrawRect(0, 0, g.Width() - 1, g.Height() - 1);
    if (const Ref<Picture>& picture = this->*cover.preview)
        g.DrawPicture(picture, 0, 0, kPictureOwnSize, kPictureOwnSize, 0, 0, kPictureOwnSize,
                      kPictureOwnSize);
}

void Main::RotateCover(const CoverRow& cover) {
    // The turn yields to the event loop; the field is assigned only once it has returned.
    Ref<Picture> turned = GraphicUtils::Rotate90(this->*cover.preview, false);
    this->*cover.preview = turned;
    Control<Canvas>(cover.canvas)->Refresh(true);
}
