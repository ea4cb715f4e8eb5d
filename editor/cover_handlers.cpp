// The canvases' and Rotate buttons' handlers: each is its cover's row of the shared steps.
#include "editor/Main.h"

void Main::cdFront_Open() {
    AcceptDrops(kCdFront);
}
void Main::cdBack_Open() {
    AcceptDrops(kCdBack);
}
void Main::dvdCover_Open() {
    AcceptDrops(kDvd);
}

void Main::cdFront_DropObject(const Ref<DragItem>& item, int32_t) {
    DropOnCover(kCdFront, item);
}
void Main::cdBack_DropObject(const Ref<DragItem>& item, int32_t) {
    DropOnCover(kCdBack, item);
}
void Main::dvdCover_DropObject(const Ref<DragItem>& item, int32_t) {
    DropOnCover(kDvd, item);
}

void Main::cdFront_Paint(const Ref<Graphics>& g) {
    PaintCover(kCdFront, g);
}
void Main::cdBack_Paint(const Ref<Graphics>& g) {
    PaintCover(kCdBack, g);
}
void Main::dvdCover_Paint(const Ref<Graphics>& g) {
    PaintCover(kDvd, g);
}

void Main::btnRotateCdFront_Action() {
    RotateCover(kCdFront);
}
void Main::btnRotateCdBack_Action() {
    RotateCover(kCdBack);
}
void Main::btnRotateDvd_Action() {
    RotateCover(kDvd);
}
