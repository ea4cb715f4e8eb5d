#include "editor/Main.h"

#include "app/MenuBar1.h"

Ref<Main> Main::Instance() {
    return ImplicitInstance<Main>("Main.Main");
}

Main::~Main() {
    piccdBack.reset();
    picdvd.reset();
    piccdFront.reset();
    filenaamDVD.clear();
    filenaamCDFront.clear();
    filenaamCDBack.clear();
}

namespace {
template <class Item = MenuItem>
Ref<Item> MenuItemNamed(const Window& window, const char* name) {
    return std::dynamic_pointer_cast<Item>(NonNil(window.MenuBar(), "the window's menu bar").Lookup(name));
}
}  // namespace

Ref<MenuItem> Main::HelpMenu() {
    return MenuItemNamed(*this, "HelpMenu");
}
Ref<MenuItem> Main::HelpWebsite() {
    return MenuItemNamed(*this, "HelpWebsite");
}
Ref<MenuItem> Main::UntitledSeparator1() {
    return MenuItemNamed(*this, "UntitledSeparator1");
}
Ref<MenuItem> Main::HelpHelp() {
    return MenuItemNamed(*this, "HelpHelp");
}
Ref<MenuItem> Main::FileMenu() {
    return MenuItemNamed(*this, "FileMenu");
}
Ref<QuitMenuItem> Main::FileQuit() {
    return MenuItemNamed<QuitMenuItem>(*this, "FileQuit");
}
Ref<MenuItem> Main::UntitledSeparator0() {
    return MenuItemNamed(*this, "UntitledSeparator0");
}
Ref<MenuItem> Main::FileInsertCDbackcover() {
    return MenuItemNamed(*this, "FileInsertCDbackcover");
}
Ref<MenuItem> Main::FileInsertCDfront() {
    return MenuItemNamed(*this, "FileInsertCDfront");
}
Ref<MenuItem> Main::UntitledSeparator() {
    return MenuItemNamed(*this, "UntitledSeparator");
}
Ref<MenuItem> Main::FileInsertDVDcover() {
    return MenuItemNamed(*this, "FileInsertDVDcover");
}
Ref<AppleMenuItem> Main::UntitledAbout() {
    return MenuItemNamed<AppleMenuItem>(*this, "UntitledAbout");
}
