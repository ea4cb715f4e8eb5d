// The prints through the real QPrinter writing PDF files, measured on paper: every frame line and picture
// edge within 0.1 mm of its place, lines about one dot dark, pictures at their full resolution. With
// KAVRELLO_PRINT_QUEUE naming a CUPS queue that writes PDF files into KAVRELLO_PRINT_QUEUE_OUT, "Print
// both" goes through that queue and its output is measured the same way.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QThread>

#include "framework/printer_page.h"
#include "framework/printing.h"
#include "framework/services.h"
#include "pdf_measure.h"
#include "print_support.h"

namespace {

class PdfPrintTest : public PrintTest {
  protected:
    void SetUp() override {
        PrintTest::SetUp();
        if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils (pdftoppm, pdfimages) is not installed";
        pdf = PathOf("page.pdf");
        Services().printDialog = [this](const Ref<PrinterSetup>&) { return NewPdfPage(pdf); };
    }
    std::string pdf;
};

TEST_F(PdfPrintTest, EachCoverLandsOnPaperAtItsMillimetresInFullResolution) {
    auto main = Main::Instance();
    // Files bigger than their covers' dots: nothing may shrink them on the way to paper.
    main->filenaamDVD = WritePicture("dvd.bmp", 3000, 2000);
    main->filenaamCDFront = WritePicture("front.bmp", 1400, 1300);
    main->filenaamCDBack = WritePicture("back.bmp", 1600, 1250);
    const struct {
        const char* button;
        CoverPlace place;
        std::pair<int, int> picture;
    } prints[] = {
        {"btnPrintDvd", {0.5, 0.5, 183, 273, 0.5}, {2000, 3000}},
        {"btnPrintCdFront", {1, 1, 120, 120, 1}, {1300, 1400}},
        {"btnPrintCdBack", {1, 1, 117, 150, 1}, {1250, 1600}},
    };
    for (const auto& print : prints) {
        SCOPED_TRACE(print.button);
        QFile::remove(QString::fromStdString(pdf));
        Click(main, print.button);
        ASSERT_TRUE(reports.empty()) << reports.at(0);
        ExpectCoverOnPage(RenderPageAt254(pdf), print.place);
        EXPECT_EQ(PdfPictureSizes(pdf), (std::vector<std::pair<int, int>>{print.picture}));
    }
}

TEST_F(PdfPrintTest, PrintBothPutsTheBackOnItsSideBelowTheFront) {
    auto main = Main::Instance();
    main->filenaamCDFront = WritePicture("front.bmp", 1300, 1250);
    main->filenaamCDBack = WritePicture("back.bmp", 1000, 1600);
    Click(main, "btnCdBoth");
    ASSERT_TRUE(reports.empty()) << reports.at(0);
    const QImage page = RenderPageAt254(pdf);
    ExpectCoverOnPage(page, {1, 1, 120, 120, 1});
    ExpectCoverOnPage(page, {1, 131, 150, 117, 1, 130});
    EXPECT_EQ(PdfPictureSizes(pdf), (std::vector<std::pair<int, int>>{{1300, 1250}, {1000, 1600}}));
}

TEST_F(PdfPrintTest, AtTheDefault300DotsPerInchTheMarginStaysInDotsAndTheCoverInMillimetres) {
    SetPageResolution(0);
    auto main = Main::Instance();
    main->filenaamCDFront = WritePicture("front.bmp", 1500, 1500);
    Click(main, "btnPrintCdFront");
    ASSERT_TRUE(reports.empty()) << reports.at(0);
    // 10 dots of 1/300 inch, then D(120) = 1417.3 dots, converted to 1417.
    const double dot = 25.4 / 300;
    ExpectCoverOnPage(RenderPageAt254(pdf), {10 * dot, 10 * dot, 1417 * dot, 1417 * dot, 10 * dot});
}

TEST_F(PdfPrintTest, APageThatCannotStartIsReportedWithItsFile) {
    pdf = PathOf("no-such-folder/page.pdf");
    auto main = Main::Instance();
    main->filenaamCDFront = WritePicture("front.bmp", 20, 20);
    Click(main, "btnPrintCdFront");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("no-such-folder/page.pdf"), std::string::npos) << reports[0];
}

// The newest PDF file in `folder` that appears within a minute, or "".
std::string AwaitPdf(const QString& folder, const QStringList& before) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        const QStringList now = QDir(folder).entryList({"*.pdf"}, QDir::Files, QDir::Time);
        for (const QString& name : now)
            if (!before.contains(name)) {
                QThread::msleep(1000);  // the queue's back end may still be writing it
                return QDir(folder).filePath(name).toStdString();
            }
        QThread::msleep(200);
    }
    return {};
}

TEST_F(PdfPrintTest, PrintBothThroughAPrintQueue) {
    const QString queue = qEnvironmentVariable("KAVRELLO_PRINT_QUEUE");
    const QString out = qEnvironmentVariable("KAVRELLO_PRINT_QUEUE_OUT");
    if (queue.isEmpty() || out.isEmpty()) GTEST_SKIP() << "no print queue named in KAVRELLO_PRINT_QUEUE";
    double marginLeft = 0, marginTop = 0;
    Services().printDialog = [&](const Ref<PrinterSetup>&) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(queue);
        printer->setPageSize(QPageSize(QPageSize::A4));
        const QMarginsF least = printer->pageLayout().minimumMargins();
        const double toMm = printer->pageLayout().units() == QPageLayout::Millimeter ? 1.0 : 25.4 / 72;
        marginLeft = least.left() * toMm;
        marginTop = least.top() * toMm;
        return NewPrinterPage(std::move(printer));
    };
    auto main = Main::Instance();
    main->filenaamCDFront = WritePicture("front.bmp", 1300, 1250);
    main->filenaamCDBack = WritePicture("back.bmp", 1000, 1600);
    const QStringList before = QDir(out).entryList({"*.pdf"}, QDir::Files);
    Click(main, "btnCdBoth");
    ASSERT_TRUE(reports.empty()) << reports.at(0);
    const std::string printed = AwaitPdf(out, before);
    ASSERT_FALSE(printed.empty()) << "the queue wrote no PDF file into " << out.toStdString();
    // The page's origin is the printer's printable area, which starts at its least margins.
    std::cout << "queue's least margins: " << marginLeft << " mm, " << marginTop << " mm; output " << printed
              << "\n";
    const QImage page = RenderPageAt254(printed);
    ExpectCoverOnPage(page, {marginLeft + 1, marginTop + 1, 120, 120, 1, marginTop});
    ExpectCoverOnPage(page, {marginLeft + 1, marginTop + 131, 150, 117, 1, marginTop + 130});
}

}  // namespace
