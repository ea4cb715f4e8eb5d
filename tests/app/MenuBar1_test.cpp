#include "app/MenuBar1.h"

#include <QAction>
#include <QMenu>

#include "support.h"

namespace {

class MenuBarTest : public FrameworkTest {};

struct Row {
    const char* name;
    const char* text;
    const char* shortcut;  // nullptr: never set
};

void ExpectItems(const MenuItem& menu, const std::vector<Row>& rows) {
    ASSERT_EQ(menu.Count(), int32_t(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        auto item = menu.Item(int32_t(i));
        EXPECT_EQ(item->Name(), rows[i].name);
        EXPECT_EQ(item->Text(), rows[i].text);
        EXPECT_TRUE(item->AutoEnable());
        if (rows[i].shortcut) {
            ASSERT_TRUE(item->KeyboardShortcut().has_value());
            EXPECT_EQ(*item->KeyboardShortcut(), rows[i].shortcut);
        } else {
            EXPECT_FALSE(item->KeyboardShortcut().has_value()) << "separators have no shortcut set";
            EXPECT_TRUE(item->Action()->isSeparator());
        }
    }
}

TEST_F(MenuBarTest, OneBarWithFileAndHelpMenusInTableOrder) {
    auto bar = MenuBar1::Instance();
    EXPECT_EQ(MenuBar1::Instance(), bar) << "the same bar for every caller";
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Name(), "FileMenu");
    EXPECT_EQ(bar->Item(0)->Text(), "&File");
    EXPECT_EQ(bar->Item(1)->Name(), "HelpMenu");
    EXPECT_EQ(bar->Item(1)->Text(), "Help");
    ExpectItems(*bar->Item(0), {{"UntitledAbout", "About Kavrello", ""},
                                {"FileInsertDVDcover", "Insert DVD cover ", ""},
                                {"UntitledSeparator", "-", nullptr},
                                {"FileInsertCDfront", "Insert CD-front cover", ""},
                                {"FileInsertCDbackcover", "Insert CD-back cover", ""},
                                {"UntitledSeparator0", "-", nullptr},
                                {"FileQuit", "&Quit", "Cmd+Q"}});
    ExpectItems(
        *bar->Item(1),
        {{"HelpHelp", "Help", ""}, {"UntitledSeparator1", "-", nullptr}, {"HelpWebsite", "Website", ""}});
    EXPECT_EQ(bar->Lookup("FileInsertDVDcover")->Text().size(), 17u);
}

TEST_F(MenuBarTest, ItemClassesShortcutsAndQtMenus) {
    auto bar = MenuBar1::Instance();
    EXPECT_TRUE(std::dynamic_pointer_cast<AppleMenuItem>(bar->Lookup("UntitledAbout")));
    EXPECT_TRUE(std::dynamic_pointer_cast<QuitMenuItem>(bar->Lookup("FileQuit")));
    // Only Quit has a key: Ctrl+Q here.
    for (const char* name : {"FileMenu", "UntitledAbout", "FileInsertDVDcover", "FileInsertCDfront",
                             "FileInsertCDbackcover", "HelpMenu", "HelpHelp", "HelpWebsite"})
        EXPECT_TRUE(bar->Lookup(name)->Action()->shortcut().isEmpty()) << name;
    EXPECT_EQ(bar->Lookup("FileQuit")->Action()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    // "Help" names both the menu and its first item; lookups go by name.
    EXPECT_NE(bar->Lookup("HelpMenu"), bar->Lookup("HelpHelp"));
    QMenu* file = bar->Child("FileMenu")->Menu();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->title(), "&File");
    EXPECT_EQ(file->actions().size(), 7);
    EXPECT_EQ(file->actions().at(0)->text(), "About Kavrello");
}

TEST_F(MenuBarTest, ExitHookReleasesTheGlobal) {
    std::weak_ptr<MenuBar1> bar = MenuBar1::Instance();
    MenuBar1::implicitInstance_Exit();
    EXPECT_EQ(MenuBar1::implicitInstance, nullptr);
    EXPECT_TRUE(bar.expired());
    EXPECT_NE(MenuBar1::Instance(), nullptr) << "a later call makes a new bar";
}

}  // namespace
