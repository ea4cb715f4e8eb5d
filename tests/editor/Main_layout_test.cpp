// The main window: its properties, each control's class, place, page and text, and the implicit instance.
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "editor/Main.h"
#include "support.h"

namespace {

struct Expected {
    const char* name;
    const char* qtClass;
    int left, top, width, height;
    int page;  // 0: not on a page
    const char* parent;
    const char* text;
};

const Expected kControls[] = {
    {"TabPanel1", "QTabWidget", 58, 38, 716, 438, 0, "content", nullptr},
    {"btnPrintDvd", "QPushButton", 559, 435, 80, 20, 2, "TabPanel1", "Print"},
    {"btnPrintCdFront", "QPushButton", 96, 420, 80, 20, 1, "TabPanel1", "Print front"},
    {"btnPrintCdBack", "QPushButton", 644, 420, 80, 20, 1, "TabPanel1", "Print back"},
    {"btnCdBoth", "QPushButton", 333, 420, 80, 20, 1, "TabPanel1", "Print both"},
    {"cdFront", "CanvasWidget", 96, 122, 240, 240, 1, "TabPanel1", nullptr},
    {"StaticText1", "QLabel", 159, 232, 109, 34, 1, "cdFront", "Drop your front \ncover here"},
    {"cdBack", "CanvasWidget", 395, 122, 329, 240, 1, "TabPanel1", nullptr},
    {"StaticText2", "QLabel", 517, 232, 109, 34, 1, "cdBack", "Drop your back \ncover here"},
    {"dvdCover", "CanvasWidget", 172, 104, 467, 313, 2, "TabPanel1", nullptr},
    {"StaticText3", "QLabel", 336, 244, 109, 33, 2, "dvdCover", "Drop your DVD \ncover here\n"},
    {"naamDVD", "QLabel", 172, 72, 422, 20, 2, "TabPanel1", ""},
    {"naamCDFront", "QLabel", 96, 82, 255, 20, 1, "TabPanel1", ""},
    {"naamCDBack", "QLabel", 395, 82, 353, 20, 1, "TabPanel1", ""},
    {"btnRotateDvd", "QPushButton", 457, 435, 80, 20, 2, "TabPanel1", "Rotate"},
    {"btnRotateCdFront", "QPushButton", 188, 420, 80, 20, 1, "TabPanel1", "Rotate"},
    {"btnRotateCdBack", "QPushButton", 552, 420, 80, 20, 1, "TabPanel1", "Rotate"},
};

class MainWindowTest : public FrameworkTest {};

int DarkPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

// The label shows as much of its text as the same label three times as wide and tall: none of it is cut.
void ExpectWholeTextShown(QLabel& label) {
    QLabel large(label.text());
    large.setFont(label.font());
    large.setPalette(label.palette());
    large.setAlignment(label.alignment());
    large.resize(3 * label.width(), 3 * label.height());
    EXPECT_EQ(DarkPixels(label), DarkPixels(large));
}

TEST_F(MainWindowTest, WindowIsFixedSizeWithMinimiseAndCloseOnlyAndTabsShowCdFirst) {
    auto main = Main::Instance();
    ASSERT_TRUE(main);
    auto* widget = qobject_cast<QMainWindow*>(main->Widget());
    ASSERT_TRUE(widget);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->windowTitle(), "Kavrello 4");
    EXPECT_EQ(main->Content()->size(), QSize(850, 521));
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize()) << "the window must not be resizable";
    EXPECT_EQ(widget->windowFlags() &
                  (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
              Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    // The menu bar sits above the content, which starts right below it.
    ASSERT_TRUE(widget->menuBar());
    EXPECT_EQ(main->Content()->mapTo(widget, QPoint(0, 0)).y(), widget->menuBar()->height());
    EXPECT_EQ(main->MenuBar(), MenuBar1::Instance());

    auto* tabs = qobject_cast<QTabWidget*>(main->Control<TabPanel>("TabPanel1")->Widget());
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0) + tabs->tabText(1), "CDDVD");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(main->Control<StaticText>("StaticText3")->Text(), "Drop your DVD \rcover here\r");
    EXPECT_FALSE(main->Control<PushButton>("btnCdBoth")->BoolProperty("Default"));
}

TEST_F(MainWindowTest, EveryControlSitsAtItsWindowCoordinatesOnItsPage) {
    auto main = Main::Instance();
    auto tabs = main->Control<TabPanel>("TabPanel1");
    ASSERT_EQ(main->Controls().size(), std::size(kControls));
    for (int page = 0; page < 2; ++page) {
        tabs->Value(page);
        for (size_t i = 0; i < std::size(kControls); ++i) {
            const Expected& e = kControls[i];
            SCOPED_TRACE(e.name);
            auto control = main->Controls()[i];
            EXPECT_EQ(control->Name(), e.name) << "creation order";
            QWidget* w = control->Widget();
            EXPECT_EQ(w->objectName(), e.name);
            EXPECT_TRUE(w->inherits(e.qtClass)) << w->metaObject()->className();
            EXPECT_EQ(QRect(w->mapTo(main->Content(), QPoint(0, 0)), w->size()),
                      QRect(e.left, e.top, e.width, e.height));
            EXPECT_EQ(control->TabPanelIndex(), e.page);
            // A control on a page shows exactly while its page is in front.
            EXPECT_EQ(w->isVisible(), e.page == 0 || e.page == page + 1);
            // On a page its parent is the page's widget of TabPanel1; inside a canvas, the canvas.
            QWidget* tabPage =
                e.page ? qobject_cast<QTabWidget*>(tabs->Widget())->widget(e.page - 1) : nullptr;
            QWidget* parent = w->parentWidget();
            EXPECT_EQ(parent == tabPage ? QStringLiteral("TabPanel1") : parent->objectName(), e.parent);
            const QVariant text = w->property("text");
            EXPECT_EQ(text.isValid() ? text.toString().toStdString() : "", e.text ? e.text : "");
            if (auto* label = qobject_cast<QLabel*>(w); label && w->isVisible() && *e.text)
                ExpectWholeTextShown(*label);
        }
    }
}

TEST_F(MainWindowTest, ImplicitInstanceIsOneWindowUntilClosedThenANewEmptyOne) {
    auto first = Main::Instance();
    EXPECT_EQ(Main::Instance(), first);
    first->filenaamCDFront = "/tmp/x.jpg";
    std::weak_ptr<Main> gone = first;
    first->Close();
    EXPECT_FALSE(first->IsOpen());
    EXPECT_EQ(GetImplicitWindow("Main.Main"), nullptr);
    first.reset();
    EXPECT_TRUE(gone.expired()) << "closing destroys the window once nobody holds it";
    auto second = Main::Instance();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->filenaamCDFront.empty());
    EXPECT_EQ(second->Preview(Main::kCdFront), nullptr);
}

}  // namespace
