// The main window's menu handlers: the items they enable, run only while the window is open, and
// Website handing its address to the browser.
#include <QAction>

#include "editor/Main.h"
#include "support.h"

namespace {

class MenuActionsTest : public FrameworkTest {};

// The names of the enabled items under `menu`, menus included, depth first.
std::vector<std::string> Enabled(const MenuItem& menu) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < menu.Count(); ++i) {
        if (menu.Item(i)->Action()->isEnabled()) names.push_back(menu.Item(i)->Name());
        for (const std::string& name : Enabled(*menu.Item(i))) names.push_back(name);
    }
    return names;
}

TEST_F(MenuActionsTest, ItemsWorkOnlyWhileTheWindowIsOpenAndWebsiteJustShowsTheAddress) {
    auto main = Main::Instance();
    auto bar = MenuBar1::Instance();
    std::vector<std::string> shown;
    Services().showUrl = [&](const std::string& url) { shown.push_back(url); };
    // Help has no handler; separators have none either.
    EXPECT_EQ(Enabled(*bar), (std::vector<std::string>{"FileMenu", "UntitledAbout", "FileInsertDVDcover",
                                                       "FileInsertCDfront", "FileInsertCDbackcover",
                                                       "FileQuit", "HelpMenu", "HelpWebsite"}));
    // The window's accessors find their items by name and class.
    EXPECT_EQ(main->UntitledAbout(), bar->Lookup("UntitledAbout"));
    EXPECT_EQ(main->FileInsertDVDcover(), bar->Lookup("FileInsertDVDcover"));
    main->Control<TabPanel>("TabPanel1")->Value(1);
    bar->Lookup("HelpWebsite")->Action()->trigger();
    EXPECT_EQ(shown, std::vector<std::string>{"https://www.kavrello.example/"});
    EXPECT_EQ(OpenWindows().size(), 1u);
    EXPECT_EQ(main->Control<TabPanel>("TabPanel1")->Value(), 1);

    main->Close();
    main.reset();
    EXPECT_EQ(Enabled(*bar), (std::vector<std::string>{"FileMenu", "FileQuit", "HelpMenu"}));
    bar->Lookup("HelpWebsite")->Action()->trigger();
    EXPECT_EQ(shown.size(), 1u) << "after the window has closed its items have no handler";
    EXPECT_TRUE(reports.empty());
}

}  // namespace
