#include <QAction>

#include "editor/Main.h"
#include "support.h"

namespace {

class MenuDispatchTest : public FrameworkTest {};

TEST_F(MenuDispatchTest, ItemsRunTheOpenWindowsHandlerAndAreEnabledOnlyWhileOneIsBound) {
    auto main = Main::Instance();
    auto bar = MenuBar1::Instance();
    QAction* website = bar->Lookup("HelpWebsite")->Action();
    QAction* help = bar->Lookup("HelpHelp")->Action();
    int runs = 0;
    main->AddMenuHandler("HelpWebsite", [&] { return ++runs > 0; });
    RefreshMenuEnabling();
    EXPECT_TRUE(website->isEnabled());
    EXPECT_FALSE(help->isEnabled()) << "no handler: shown disabled";
    EXPECT_TRUE(bar->Lookup("FileQuit")->Action()->isEnabled());
    EXPECT_TRUE(bar->Lookup("HelpMenu")->Action()->isEnabled()) << "menus stay enabled";
    website->trigger();
    EXPECT_EQ(runs, 1);

    main->Close();
    main.reset();
    EXPECT_FALSE(website->isEnabled()) << "after the window has closed its items have no handler";
    website->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(bar->Lookup("FileQuit")->Action()->isEnabled());
}

}  // namespace
