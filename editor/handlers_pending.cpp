// Handlers whose behaviour is still to come: intake, painting, turning, printing and the menu actions.
#include "editor/Main.h"

void Main::btnPrintDvd_Action() {}
void Main::btnPrintCdFront_Action() {}
void Main::btnPrintCdBack_Action() {}
void Main::btnCdBoth_Action() {}
void Main::cdFront_DropObject(const Ref<DragItem>&, int32_t) {}
void Main::cdFront_Open() {}
void Main::cdFront_Paint(const Ref<Graphics>&) {}
void Main::cdBack_DropObject(const Ref<DragItem>&, int32_t) {}
void Main::cdBack_Open() {}
void Main::cdBack_Paint(const Ref<Graphics>&) {}
void Main::dvdCover_Open() {}
void Main::dvdCover_DropObject(const Ref<DragItem>&, int32_t) {}
void Main::dvdCover_Paint(const Ref<Graphics>&) {}
void Main::btnRotateDvd_Action() {}
void Main::btnRotateCdFront_Action() {}
void Main::btnRotateCdBack_Action() {}
void Main::AddMenuHandlers(Window&) {}
bool Main::FileInsertCDfront_Action() {
    return true;
}
bool Main::FileInsertCDbackcover_Action() {
    return true;
}
bool Main::FileInsertDVDcover_Action() {
    return true;
}
bool Main::HelpWebsite_Action() {
    return true;
}
bool Main::UntitledAbout_Action() {
    return true;
}
