// The runtime under the windows: handlers that throw, the failure box on the screen, handlers and controls
// looked up by kind and name, the cooperative yield, conversion to whole dots, and the printer setup's
// resolution.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdint>

#include "editor/Main.h"
#include "framework/background_task.h"
#include "framework/dispatch.h"
#include "framework/picture_decoder.h"
#include "framework/printing.h"
#include "framework/runtime_values.h"
#include "support.h"

namespace {

class RuntimeTest : public FrameworkTest {};

TEST_F(RuntimeTest, AThrowingHandlerIsReportedAndTheProgramGoesOn) {
    auto main = Main::Instance();
    auto button = main->Control<PushButton>("btnCdBoth");
    int runs = 0;
    button->InstallEventHandler("Action", PlainHandler([&] {
                                    ++runs;
                                    throw NilObjectException("the picture of /tmp/a.jpg is nil");
                                }));
    for (int click = 0; click < 2; ++click) static_cast<QPushButton*>(button->Widget())->click();
    EXPECT_EQ(runs, 2) << "the program goes on after a failed handler";
    EXPECT_EQ(reports, std::vector<std::string>(2, "\u200Ethe picture of /tmp/a.jpg is nil"));
    EXPECT_TRUE(main->IsOpen());
    EXPECT_FALSE(Dispatch([] { throw 42; }));
    EXPECT_EQ(reports.back(), "\u200EAn unexpected error occurred.");
    Services().reportFailure = [](const std::string&) { throw std::runtime_error("report failed"); };
    EXPECT_FALSE(Dispatch([] { throw std::runtime_error("x"); })) << "a failing report is contained too";
}

TEST_F(RuntimeTest, TheFailureBoxShowsItsMessageAsPlainTextLeftToRightOnTheScreenWithALongPathOnOneLine) {
    RestoreRealServices();
    // Right-to-left first, like its folder, and longer than half the path's room.
    const QString name = "שלום <b>" + QString(20, u'x') + ".jpg";
    QString text;
    bool fits = false, leftToRight = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        const QRect screen = box->screen()->availableGeometry();
        const QWidget* ok = box->button(QMessageBox::Ok);
        const QLabel* label = box->findChild<QLabel*>("qt_msgbox_label");
        text = box->textFormat() == Qt::PlainText ? box->text() : "";
        fits =
            screen.contains(box->frameGeometry()) &&
            screen.contains(QRect(ok->mapToGlobal(QPoint()), ok->size())) &&
            label->fontMetrics().horizontalAdvance(text.section(u'\n', -1)) <= label->contentsRect().width();
        // Each line gets the direction that the box's label gives it.
        const QTextDocument laid(text);
        for (QTextBlock line = laid.begin(); line.isValid(); line = line.next())
            leftToRight &= line.textDirection() == Qt::LeftToRight;
        box->done(0);
    });
    const std::string path = "/" + QString(20000, u'ש').toStdString() + "/" + name.toStdString();
    Dispatch([&] { throw PictureFileFailure(path, "it is too long"); });
    text.remove(QChar(0x200B));  // breaks
    EXPECT_TRUE(fits && leftToRight && text.startsWith(QString::fromStdString("\u200E" + QuotedName(path))) &&
                text.contains(u'…') && text.endsWith(name + "\u2069)"))
        << fits << leftToRight << " " << text.toStdString();
}

TEST_F(RuntimeTest, HandlersOfTheWrongKindAndControlsOfTheWrongNameOrClassAreRefused) {
    auto main = Main::Instance();
    EXPECT_THROW(main->Control<PushButton>("btnCdBoth")->InstallEventHandler("Paint", PaintHandler()),
                 std::invalid_argument);
    EXPECT_THROW(main->Control<Canvas>("cdFront")->InstallEventHandler("Paint", PlainHandler()),
                 std::invalid_argument);
    EXPECT_THROW(main->Control<Canvas>("nope"), NilObjectException);
    EXPECT_THROW(main->Control<Canvas>("btnCdBoth"), NilObjectException);
}

TEST_F(RuntimeTest, YieldsRunPendingEventsAndTheObserverSeesEveryCall) {
    int calls = 0;
    SetBackgroundTaskObserver([&] { ++calls; });
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!ran && std::chrono::steady_clock::now() < until) RuntimeBackgroundTask();
    EXPECT_TRUE(ran);
    const int seen = calls;
    for (int i = 0; i < 1000; ++i) RuntimeBackgroundTask();
    SetBackgroundTaskObserver({});
    RuntimeBackgroundTask();
    EXPECT_EQ(calls, seen + 1000);
}

TEST_F(RuntimeTest, ConversionToWholeDotsRoundsHalvesAwayFromZeroAndClamps) {
    const double reals[] = {254.0 / 25.4 * 183.0 + 10.0, 1417.32, 2.5, -2.5, -0.4, 1e12, -1e12, std::nan("")};
    const int32_t wholes[] = {1840, 1417, 3, -3, 0, INT32_MAX, INT32_MIN, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(RuntimeCvtReal64ToSInt32(reals[i]), wholes[i]) << reals[i];
}

TEST_F(RuntimeTest, APrinterSetupKeepsThePageResolutionInForceWhenItWasMade) {
    SetPageResolution(254);
    const PrinterSetup setup;
    SetPageResolution(0);
    EXPECT_EQ(std::pair(setup.HorizontalResolution(), PrinterSetup().HorizontalResolution()),
              std::pair(254, 300));
}

}  // namespace
