// The main window: fixed, its menu bar above its content; each cover's controls at their window
// coordinates on the cover's page, its hint inside its canvas showing the whole text.
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "cover_support.h"

namespace {

class MainWindowTest : public CoverTest {};

int DarkPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

// The label shows as much of its text as it does when three times as wide and tall: none of it is cut.
void ExpectWholeTextShown(QLabel& label) {
    const QSize size = label.size();
    const int shown = DarkPixels(label);
    label.resize(3 * size);
    EXPECT_EQ(shown, DarkPixels(label));
    label.resize(size);
}

TEST_F(MainWindowTest, WindowIsFixedSizeWithMinimiseAndCloseOnlyAndItsMenuBarAboveTheContent) {
    auto* widget = qobject_cast<QMainWindow*>(main->Widget());
    ASSERT_TRUE(widget && widget->menuBar());
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize()) << "the window must not be resizable";
    const Qt::WindowFlags buttons = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    EXPECT_EQ(widget->windowFlags() & (buttons | Qt::WindowMaximizeButtonHint), buttons);
    EXPECT_EQ(main->Content()->mapTo(widget, QPoint(0, 0)).y(), widget->menuBar()->height());
}

TEST_F(MainWindowTest, EachControlSitsWhereItsCoordinatesSayOnItsCoversPageWithHintsWholeInTheirCanvases) {
    auto* tabs = qobject_cast<QTabWidget*>(main->Control<TabPanel>("TabPanel1")->Widget());
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0) + tabs->tabText(1), "CDDVD");
    const QRect canvases[] = {{96, 122, 240, 240}, {395, 122, 329, 240}, {172, 104, 467, 313}};
    for (int page = 0; page < 2; ++page) {
        SetPage(page);
        // Whatever its Qt parent (content, tab page or canvas), a control lies where its coordinates say.
        for (const auto& c : main->Controls()) {
            QWidget* w = c->Widget();
            EXPECT_EQ(QRect(w->mapTo(main->Content(), QPoint()), w->size()),
                      QRect(c->Left(), c->Top(), c->Width(), c->Height()))
                << c->Name();
            auto* button = qobject_cast<QPushButton*>(w);
            EXPECT_FALSE(button && button->isDefault()) << c->Name();
        }
        for (size_t i = 0; i < std::size(kCovers); ++i) {
            const CoverRow& cover = *kCovers[i];
            SCOPED_TRACE(cover.title);
            auto canvas = main->Control<Canvas>(cover.canvas);
            EXPECT_EQ(QRect(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height()), canvases[i]);
            for (const char* name :
                 {cover.canvas, cover.hintLabel, cover.nameLabel, cover.rotateButton, cover.printButton})
                EXPECT_EQ(main->Control<RectControl>(name)->Widget()->isVisible(), page == cover.page)
                    << name;
            auto* hint = qobject_cast<QLabel*>(main->Control<StaticText>(cover.hintLabel)->Widget());
            EXPECT_EQ(hint->parentWidget(), canvas->Widget());
            if (page == cover.page) ExpectWholeTextShown(*hint);
        }
        EXPECT_EQ(main->Control<PushButton>("btnCdBoth")->Widget()->isVisible(), page == 0);
    }
}

}  // namespace
