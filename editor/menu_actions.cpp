// The main window's menu bindings and its menu actions: the Insert items, Website and About.
#include "app/About.h"
#include "editor/Main.h"
#include "framework/services.h"

namespace {

const char* const kWebsite = "https://www.kavrello.example/";

// The items the window answers, in binding order, with their handlers.
struct MenuBinding {
    const char* itemName;
    bool (Main::*handler)();
};
const MenuBinding kMenuBindings[] = {
    {"FileInsertCDfront", &Main::FileInsertCDfront_Action},
    {"FileInsertCDbackcover", &Main::FileInsertCDbackcover_Action},
    {"FileInsertDVDcover", &Main::FileInsertDVDcover_Action},
    {"HelpWebsite", &Main::HelpWebsite_Action},
    {"UntitledAbout", &Main::UntitledAbout_Action},
};

}  // namespace

void Main::AddMenuHandlers(Window& w) {
    Main& target = NonNil(dynamic_cast<Main*>(&w), "the main window");
    // The handlers live in the window's own table, so they never outlive the window they call.
    for (const MenuBinding& binding : kMenuBindings)
        w.AddMenuHandler(binding.itemName,
                         [&target, handler = binding.handler] { return (target.*handler)(); });
}

bool Main::FileInsertCDfront_Action() {
    return InsertCover(kCdFront);
}
bool Main::FileInsertCDbackcover_Action() {
    return InsertCover(kCdBack);
}
bool Main::FileInsertDVDcover_Action() {
    return InsertCover(kDvd);
}

bool Main::HelpWebsite_Action() {
    ShowURL(kWebsite);
    return true;
}

bool Main::UntitledAbout_Action() {
    // Shown through its Visible property; the handler does not wait for the box to close.
    NonNil(About::Instance(), "the About window").Visible(true);
    return true;
}
