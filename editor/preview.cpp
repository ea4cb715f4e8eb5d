#include "editor/preview.h"

#include "framework/graphics.h"
#include "picture/GraphicUtils.h"

namespace preview {

void Paint(Main& window, const CoverRow& cover, const Ref<Graphics>& gRef) {
    Graphics& g = NonNil(gRef, "the canvas's graphics");
    g.SetForeColor(RGB(0, 0, 0));
    g.DrawRect(0, 0, g.Width() - 1, g.Height() - 1);
    if (const Ref<Picture>& picture = window.*cover.preview)
        g.DrawPicture(picture, 0, 0, kPictureOwnSize, kPictureOwnSize, 0, 0, kPictureOwnSize,
                      kPictureOwnSize);
}

void Rotate(Main& window, const CoverRow& cover) {
    // The turn yields to the event loop; the field is assigned only once it has returned.
    Ref<Picture> turned = GraphicUtils::Rotate90(window.*cover.preview, false);
    window.*cover.preview = turned;
    window.Control<Canvas>(cover.canvas)->Refresh(true);
}

}  // namespace preview
