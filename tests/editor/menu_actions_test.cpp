// The main window's menu handlers: exactly five items bound, enabled only while the window is open, and
// Website handing its address to the browser.
#include <QAction>

#include "editor/Main.h"
#include "support.h"

namespace {

class MenuActionsTest : public FrameworkTest {
  protected:
    // Every item of the bar, menus and separators included, depth first.
    static void Collect(const MenuItem& menu, std::vector<Ref<MenuItem>>& items) {
        for (int32_t i = 0; i < menu.Count(); ++i) {
            items.push_back(menu.Item(i));
            Collect(*menu.Item(i), items);
        }
    }
};

const std::vector<std::string> kBound = {"FileInsertCDfront", "FileInsertCDbackcover", "FileInsertDVDcover",
                                         "HelpWebsite", "UntitledAbout"};

TEST_F(MenuActionsTest, MainBindsExactlyFiveItemsWhichAreEnabledAndRunOnlyWhileItIsOpen) {
    auto main = Main::Instance();
    auto bar = MenuBar1::Instance();
    std::vector<Ref<MenuItem>> items;
    Collect(*bar, items);
    ASSERT_EQ(items.size(), 12u);
    for (const auto& item : items) {
        SCOPED_TRACE(item->Name());
        const bool bound = std::find(kBound.begin(), kBound.end(), item->Name()) != kBound.end();
        EXPECT_EQ(main->HasMenuHandler(item->Name()), bound);
        // Items with a handler, Quit and the menus are enabled; Help, which has no action, and
        // the separators are not.
        EXPECT_EQ(item->Action()->isEnabled(),
                  bound || item->Name() == "FileQuit" || item->Name().ends_with("Menu"));
    }
    EXPECT_EQ(main->UntitledAbout(), bar->Lookup("UntitledAbout"));
    EXPECT_EQ(main->FileInsertDVDcover()->Text(), "Insert DVD cover ");

    int runs = 0;
    main->AddMenuHandler("HelpWebsite", [&] { return ++runs > 0; });
    bar->Lookup("HelpWebsite")->Action()->trigger();
    EXPECT_EQ(runs, 1) << "an item runs the open window's handler";
    main->Close();
    main.reset();
    for (const std::string& name : kBound) EXPECT_FALSE(bar->Lookup(name)->Enabled()) << name;
    bar->Lookup("HelpWebsite")->Action()->trigger();
    EXPECT_EQ(runs, 1) << "after the window has closed its items have no handler";
    EXPECT_TRUE(bar->Lookup("FileQuit")->Enabled());
}

TEST_F(MenuActionsTest, WebsiteHandsTheAddressToTheBrowserAndChangesNothingElse) {
    auto main = Main::Instance();
    std::vector<std::string> shown;
    Services().showUrl = [&](const std::string& url) { shown.push_back(url); };
    Services().openFileDialog = [](const std::string&) -> Ref<FolderItem> {
        ADD_FAILURE() << "no dialog";
        return nullptr;
    };
    main->Control<TabPanel>("TabPanel1")->Value(1);
    MenuBar1::Instance()->Lookup("HelpWebsite")->Action()->trigger();
    EXPECT_EQ(shown, std::vector<std::string>{"https://www.kavrello.example/"});
    EXPECT_EQ(OpenWindows().size(), 1u);
    EXPECT_EQ(main->Control<TabPanel>("TabPanel1")->Value(), 1);
    EXPECT_TRUE(main->Control<StaticText>("StaticText3")->Visible());
    EXPECT_TRUE(reports.empty());
}

}  // namespace
