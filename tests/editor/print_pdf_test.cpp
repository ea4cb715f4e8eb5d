// The prints through the real QPrinter writing PDF files, measured on paper: every frame line and picture
// edge within 0.1 mm of its place, lines about one dot dark, pictures at their full resolution. With
// KAVRELLO_PRINT_QUEUE naming a CUPS queue that writes PDF files into KAVRELLO_PRINT_QUEUE_OUT, "Print
// both" goes through that queue and its output is measured the same way.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cmath>
#include <sstream>

#include "framework/printer_page.h"
#include "print_support.h"

namespace {

// Measuring a printed page: pdftoppm renders it at 254 dots per inch, where a pixel is 0.1 mm, and the
// frame lines and picture edges of a cover are found on it; pdfimages lists its pictures.
constexpr double kPixelsPerMm = 10.0;  // at 254 dots per inch
// One pixel of the rendering; the rasteriser may widen an edge by up to that much.
constexpr double kToleranceMm = 0.1 + 1e-9;

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int Px(double mm) {
    return int(std::lround(mm * kPixelsPerMm));
}

// A line crossing the profile: its centre in millimetres, its width in pixels of full black, its
// darkest pixel. The profile runs over `count` pixels from `first`, read by `at`.
struct Crossing {
    double centreMm = -1, width = 0;
    int darkest = 255;
};

template <class At>
Crossing Cross(int first, int count, At at) {
    Crossing c;
    double sum = 0, moment = 0;
    for (int i = first; i < first + count; ++i) {
        const int v = at(i);
        const double dark = (255 - v) / 255.0;
        sum += dark;
        moment += dark * (i + 0.5);
        c.darkest = std::min(c.darkest, v);
    }
    c.width = sum;
    if (sum > 0) c.centreMm = moment / sum / kPixelsPerMm;
    return c;
}

void ExpectLine(const char* which, const Crossing& c, double expectedMm) {
    SCOPED_TRACE(which);
    EXPECT_NEAR(c.centreMm, expectedMm, kToleranceMm);
    EXPECT_LT(c.darkest, 80) << "the line is drawn dark";
    EXPECT_GT(c.width, 0.6) << "the line is about one dot wide, no hairline";
    EXPECT_LT(c.width, 2.5) << "the line is about one dot wide";
}

// The run of picture pixels (mid greys) along a row or column: first and one past the last, in mm.
template <class At>
std::pair<double, double> PictureRun(int from, int to, At at) {
    int first = -1, last = -1;
    for (int i = from; i < to; ++i) {
        const int v = at(i);
        if (v > 70 && v < 190) {
            if (first < 0) first = i;
            last = i;
        }
    }
    return {first / kPixelsPerMm, (last + 1) / kPixelsPerMm};
}

// Where a cover should lie on the paper, in millimetres: its rectangle, its margin and the line where
// its frame begins (0 for the page's edges, lower for a frame shifted down).
struct CoverPlace {
    double left, top, width, height;
    double margin;
    double frameTop = 0;
};

bool PopplerAvailable() {
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty() &&
           !QStandardPaths::findExecutable("pdfimages").isEmpty();
}

// Page 1 of `pdf` in greys at 254 dots per inch; a null image when it cannot be rendered.
QImage RenderPageAt254(const std::string& pdf) {
    const QString out = QString::fromStdString(pdf) + ".render";
    Run("pdftoppm",
        {"-r", "254", "-gray", "-singlefile", "-f", "1", "-l", "1", QString::fromStdString(pdf), out});
    QImage page(out + ".pgm");
    return page.convertToFormat(QImage::Format_Grayscale8);
}

// The pixel sizes of the pictures that the PDF holds, in order.
std::vector<std::pair<int, int>> PdfPictureSizes(const std::string& pdf) {
    // Columns: page num type width height ...; the first two lines are the heading.
    std::istringstream lines(Run("pdfimages", {"-list", QString::fromStdString(pdf)}).toStdString());
    std::vector<std::pair<int, int>> sizes;
    std::string line;
    for (int n = 0; std::getline(lines, line); ++n) {
        if (n < 2) continue;
        std::istringstream fields(line);
        std::string page, num, type;
        int width = 0, height = 0;
        if (fields >> page >> num >> type >> width >> height && type == "image")
            sizes.emplace_back(width, height);
    }
    return sizes;
}

// Expects each of the four frame lines within 0.1 mm of its place and about one dot (0.1 mm) dark,
// at both of its ends, and the picture's four edges within 0.1 mm of the cover rectangle's.
void ExpectCoverOnPage(const QImage& page, const CoverPlace& p) {
    ASSERT_FALSE(page.isNull());
    auto pixel = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= page.width() || y >= page.height()) return 255;
        return int(page.constScanLine(y)[x]);
    };
    const double right = p.left + p.width, bottom = p.top + p.height;
    // Each line is crossed in the margin strips beside the picture, near both of its ends.
    const int stripsX[] = {Px(p.left - p.margin / 2), Px(right + p.margin / 2)};
    const int stripsY[] = {Px(p.top - p.margin / 2), Px(bottom + p.margin / 2)};
    for (int x : stripsX) {
        ExpectLine("top", Cross(Px(p.top) - 5, 10, [&](int y) { return pixel(x, y); }), p.top);
        ExpectLine("bottom", Cross(Px(bottom) - 5, 10, [&](int y) { return pixel(x, y); }), bottom);
    }
    for (int y : stripsY) {
        ExpectLine("left", Cross(Px(p.left) - 5, 10, [&](int x) { return pixel(x, y); }), p.left);
        ExpectLine("right", Cross(Px(right) - 5, 10, [&](int x) { return pixel(x, y); }), right);
    }
    // The frame ends one margin past the cover and starts at its origin line.
    EXPECT_LT(pixel(Px(right + p.margin) - 2, Px(p.top) - 1) + pixel(Px(right + p.margin) - 2, Px(p.top)),
              400);
    EXPECT_EQ(pixel(Px(right + p.margin) + 2, Px(p.top) - 1), 255);
    EXPECT_EQ(pixel(Px(p.left) - 1, Px(p.frameTop) - 2), 255);

    const int midRow = Px(p.top + p.height / 2), midColumn = Px(p.left + p.width / 2);
    const auto across = PictureRun(0, page.width(), [&](int x) { return pixel(x, midRow); });
    // Down the page, only within this cover's frame: another cover may lie above or below it.
    const auto down =
        PictureRun(Px(p.frameTop), Px(bottom + p.margin) + 1, [&](int y) { return pixel(midColumn, y); });
    EXPECT_NEAR(across.first, p.left, kToleranceMm) << "picture's left edge";
    EXPECT_NEAR(across.second, right, kToleranceMm) << "picture's right edge";
    EXPECT_NEAR(down.first, p.top, kToleranceMm) << "picture's top edge";
    EXPECT_NEAR(down.second, bottom, kToleranceMm) << "picture's bottom edge";
}

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

TEST_F(PdfPrintTest, APrintThatFailsIsReportedWithItsCoverFileAndOneThatWorksIsNot) {
    auto main = Main::Instance();
    main->filenaamCDFront = WritePicture("front.bmp", 20, 20);
    const struct {
        std::string output;
        bool removedWhilePrinting;
        const char* why;  // nullptr: printed, nothing said
    } prints[] = {{PathOf("no-such-folder/page.pdf"), false, "no-such-folder/page.pdf"},
                  {"/dev/full", false, "incomplete"},
                  {PathOf("gone.pdf"), true, "missing"},
                  {PathOf("fine.pdf"), false, nullptr}};
    for (const auto& print : prints) {
        SCOPED_TRACE(print.output);
        reports.clear();
        Services().printDialog = [&](const Ref<PrinterSetup>&) {
            Ref<Graphics> page = NewPdfPage(print.output);
            if (print.removedWhilePrinting) QFile::remove(QString::fromStdString(print.output));
            return page;
        };
        Click(main, "btnPrintCdFront");
        ASSERT_EQ(reports.size(), print.why ? 1u : 0u);
        if (!print.why) continue;
        EXPECT_NE(reports[0].find("\"front.bmp\""), std::string::npos) << reports[0];
        EXPECT_NE(reports[0].find(print.why), std::string::npos) << reports[0];
    }
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
