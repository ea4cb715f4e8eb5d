// The menu bar as Qt shows it: each menu's items in order, separators drawn as Qt's own, and one key,
// Ctrl+Q for Quit.
#include "app/MenuBar1.h"

#include <QAction>
#include <QMenu>

#include "support.h"

namespace {

class MenuBarTest : public FrameworkTest {};

// A menu's row as it is drawn.
QImage DrawnRow(QMenu& menu, QAction* action) {
    menu.adjustSize();
    return menu.grab(menu.actionGeometry(action)).toImage();
}

TEST_F(MenuBarTest, QtMenusShowTheItemsInOrderSeparatorsAsQtsOwnAndCtrlQOnlyForQuit) {
    auto bar = MenuBar1::Instance();
    ASSERT_EQ(bar->Count(), 2);
    for (int32_t m = 0; m < bar->Count(); ++m) {
        const MenuItem& menu = *bar->Item(m);
        EXPECT_EQ(menu.Menu()->title().toStdString(), menu.Text());
        ASSERT_EQ(menu.Menu()->actions().size(), menu.Count());
        for (int32_t i = 0; i < menu.Count(); ++i) {
            auto item = menu.Item(i);
            SCOPED_TRACE(item->Name());
            QAction* action = item->Action();
            EXPECT_EQ(menu.Menu()->actions().at(i), action);
            EXPECT_EQ(action->isSeparator(), item->Text() == "-");
            if (action->isSeparator()) {
                // A separator shows just what Qt's own separator shows: its line.
                QMenu plain;
                plain.setFixedWidth(menu.Menu()->sizeHint().width());
                plain.addAction("above");
                QAction* line = plain.addSeparator();
                plain.addAction("below");
                EXPECT_EQ(DrawnRow(*menu.Menu(), action), DrawnRow(plain, line)) << "more than a line";
            } else {
                EXPECT_EQ(action->text().toStdString(), item->Text());
            }
            EXPECT_EQ(action->shortcut(),
                      QKeySequence(item->Name() == "FileQuit" ? QStringLiteral("Ctrl+Q") : QString()));
        }
    }
}

}  // namespace
