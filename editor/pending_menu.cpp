// Menu binding and menu actions, still to come.
#include "editor/Main.h"

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
