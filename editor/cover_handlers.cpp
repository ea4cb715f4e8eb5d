// The canvases' and Rotate buttons' handlers: each is its cover's row of the shared steps.
#include "editor/intake.h"
#include "editor/preview.h"

void Main::cdFront_Open() {
    intake::AcceptDrops(*this, covers::kCdFront);
}
void Main::cdBack_Open() {
    intake::AcceptDrops(*this, covers::kCdBack);
}
void Main::dvdCover_Open() {
    intake::AcceptDrops(*this, covers::kDvd);
}

void Main::cdFront_DropObject(const Ref<DragItem>& item, int32_t) {
    intake::Drop(*this, covers::kCdFront, item);
}
void Main::cdBack_DropObject(const Ref<DragItem>& item, int32_t) {
    intake::Drop(*this, covers::kCdBack, item);
}
void Main::dvdCover_DropObject(const Ref<DragItem>& item, int32_t) {
    intake::Drop(*this, covers::kDvd, item);
}

void Main::cdFront_Paint(const Ref<Graphics>& g) {
    preview::Paint(*this, covers::kCdFront, g);
}
void Main::cdBack_Paint(const Ref<Graphics>& g) {
    preview::Paint(*this, covers::kCdBack, g);
}
void Main::dvdCover_Paint(const Ref<Graphics>& g) {
    preview::Paint(*this, covers::kDvd, g);
}

void Main::btnRotateCdFront_Action() {
    preview::Rotate(*this, covers::kCdFront);
}
void Main::btnRotateCdBack_Action() {
    preview::Rotate(*this, covers::kCdBack);
}
void Main::btnRotateDvd_Action() {
    preview::Rotate(*this, covers::kDvd);
}
