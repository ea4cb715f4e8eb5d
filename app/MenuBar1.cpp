#include "app/MenuBar1.h"

#include <iterator>

Ref<MenuBar1> MenuBar1::implicitInstance;

namespace {

enum class ItemClass { Item, Apple, Quit };

struct ItemRow {
    const char* name;
    ItemClass itemClass;
    const char* text;
    const char* shortcut;  // nullptr: left as a new item has it (the separators)
    const char* menu;      // nullptr: appended to the bar itself
};

const ItemRow kFileMenu[] = {
    {"FileMenu", ItemClass::Item, "&File", "", nullptr},
    {"UntitledAbout", ItemClass::Apple, "About Kavrello", "", "FileMenu"},
    {"FileInsertDVDcover", ItemClass::Item, "Insert DVD cover ", "", "FileMenu"},
    {"UntitledSeparator", ItemClass::Item, "-", nullptr, "FileMenu"},
    {"FileInsertCDfront", ItemClass::Item, "Insert CD-front cover", "", "FileMenu"},
    {"FileInsertCDbackcover", ItemClass::Item, "Insert CD-back cover", "", "FileMenu"},
    {"UntitledSeparator0", ItemClass::Item, "-", nullptr, "FileMenu"},
    {"FileQuit", ItemClass::Quit, "&Quit", "Cmd+Q", "FileMenu"},
};

const ItemRow kHelpMenu[] = {
    {"HelpMenu", ItemClass::Item, "Help", "", nullptr},
    {"HelpHelp", ItemClass::Item, "Help", "", "HelpMenu"},
    {"UntitledSeparator1", ItemClass::Item, "-", nullptr, "HelpMenu"},
    {"HelpWebsite", ItemClass::Item, "Website", "", "HelpMenu"},
};

Ref<MenuItem> NewItem(ItemClass itemClass) {
    switch (itemClass) {
        case ItemClass::Apple:
            return std::make_shared<AppleMenuItem>();
        case ItemClass::Quit:
            return std::make_shared<QuitMenuItem>();
        case ItemClass::Item:
            break;
    }
    return std::make_shared<MenuItem>();
}

template <size_t N>
void BuildRows(MenuBar& bar, const ItemRow (&rows)[N]) {
    for (const ItemRow& row : rows) {
        Ref<MenuItem> item = NewItem(row.itemClass);
        NonNil(item, "a new menu item").Name(row.name);
        item->AutoEnable(true);
        item->Text(row.text);
        if (row.shortcut) item->KeyboardShortcut(row.shortcut);
        if (!row.menu) {
            bar.Append(item);
        } else {
            // The menu is looked up again on the bar for each of its items.
            NonNil(bar.Child(row.menu), std::string("the menu ") + row.menu).Append(item);
        }
    }
}

}  // namespace

Ref<MenuBar1> MenuBar1::Instance() {
    if (!implicitInstance) {
        auto bar = std::make_shared<MenuBar1>();
        bar->Constructor();
        implicitInstance = bar;
    }
    return implicitInstance;
}

void MenuBar1::implicitInstance_Exit() {
    implicitInstance.reset();
}

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0() {
    BuildRows(*this, kFileMenu);
}

void MenuBar1::Untitled1() {
    BuildRows(*this, kHelpMenu);
}
