// The menu bar: one bar, its menus and items in order with their names, texts, classes and shortcuts,
// and the Qt menus and actions that show them.
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

// A menu's row as it is drawn.
QImage DrawnRow(QMenu& menu, QAction* action) {
    menu.adjustSize();
    return menu.grab(menu.actionGeometry(action)).toImage();
}

void ExpectItems(const MenuItem& menu, const std::vector<Row>& rows) {
    ASSERT_EQ(menu.Count(), int32_t(rows.size()));
    ASSERT_EQ(menu.Menu()->actions().size(), qsizetype(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        auto item = menu.Item(int32_t(i));
        EXPECT_EQ(item->Name(), rows[i].name);
        EXPECT_EQ(item->Text(), rows[i].text);
        EXPECT_TRUE(item->AutoEnable());
        EXPECT_EQ(menu.Menu()->actions().at(i), item->Action()) << "the Qt menu shows the items in order";
        EXPECT_EQ(item->KeyboardShortcut(),
                  rows[i].shortcut ? std::optional<std::string>(rows[i].shortcut) : std::nullopt);
        EXPECT_EQ(item->Action()->isSeparator(), !rows[i].shortcut);
        if (!rows[i].shortcut) {
            // A separator shows just what Qt's own separator shows: its line.
            QMenu plain;
            plain.setFixedWidth(menu.Menu()->sizeHint().width());
            plain.addAction("above");
            QAction* line = plain.addSeparator();
            plain.addAction("below");
            EXPECT_EQ(DrawnRow(*menu.Menu(), item->Action()), DrawnRow(plain, line)) << "more than a line";
        }
        // Only Quit has a key: Ctrl+Q here.
        EXPECT_EQ(item->Action()->shortcut(),
                  QKeySequence(item->Name() == "FileQuit" ? QStringLiteral("Ctrl+Q") : QString()));
    }
}

TEST_F(MenuBarTest, OneBarWithFileAndHelpMenusInTableOrder) {
    auto bar = MenuBar1::Instance();
    EXPECT_EQ(MenuBar1::Instance(), bar) << "the same bar for every caller";
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Name() + bar->Item(0)->Text(), "FileMenu&File");
    EXPECT_EQ(bar->Item(1)->Name() + bar->Item(1)->Text(), "HelpMenuHelp");
    EXPECT_EQ(bar->Child("FileMenu")->Menu()->title(), "&File");
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
    EXPECT_EQ(bar->Item(0)->Action()->shortcut(), QKeySequence()) << "menus have no key";
    EXPECT_EQ(bar->Lookup("HelpMenu"), bar->Item(1)) << "lookups go by name, not by text";
    EXPECT_TRUE(std::dynamic_pointer_cast<AppleMenuItem>(bar->Lookup("UntitledAbout")));
    EXPECT_TRUE(std::dynamic_pointer_cast<QuitMenuItem>(bar->Lookup("FileQuit")));

    std::weak_ptr<MenuBar1> old = bar;
    bar.reset();
    MenuBar1::implicitInstance_Exit();
    EXPECT_TRUE(old.expired()) << "the exit hook releases the bar";
    EXPECT_NE(MenuBar1::Instance(), nullptr) << "a later call makes a new bar";
}

}  // namespace
