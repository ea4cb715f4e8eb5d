// The prints through the real QPrinter writing PDF files, measured on paper: every frame line and picture
// edge within 0.1 mm of its place, lines one dot wide, pictures at their full resolution. With
// KAVRELLO_PRINT_QUEUE naming a CUPS queue that writes PDF files into KAVRELLO_PRINT_QUEUE_OUT, "Print
// both" goes through that queue and its output is measured the same way, or its refusal is reported.
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <cmath>
#include <csignal>
#include <functional>

#include "framework/printer_page.h"
#include "print_support.h"

namespace {

// Pages are rendered by pdftoppm at 254 dots per inch, where a pixel is 0.1 mm: the tolerance of a place.
constexpr double kToleranceMm = 0.1 + 1e-9;

const auto Px = [](double mm) { return int(std::lround(mm * 10)); };

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Page 1 of `pdf` in greys at 254 dots per inch, or as `options` tell pdftoppm.
QImage Render(const std::string& pdf, const QStringList& options = {"-r", "254"}) {
    const QString out = QString::fromStdString(pdf) + ".render";
    Run("pdftoppm",
        options + QStringList{"-gray", "-singlefile", "-l", "1", QString::fromStdString(pdf), out});
    return QImage(out + ".pgm").convertToFormat(QImage::Format_Grayscale8);
}

// The width in millimetres of a line across the point (x, y) in mm, from the darkness of a 1 mm column
// about it at 2400 dots per inch, where a hairline is one pixel and a dot of 300 dots per inch eight.
double LineWidthMm(const std::string& pdf, double x, double y) {
    const auto px = [](double mm) { return QString::number(std::lround(mm / 25.4 * 2400)); };
    const QImage column = Render(pdf, {"-r", "2400", "-x", px(x), "-y", px(y - 0.5), "-W", "1", "-H", px(1)});
    double dark = 0;
    for (int i = 0; i < column.height(); ++i) dark += (255 - qGray(column.pixel(0, i))) / 255.0;
    return dark / 2400 * 25.4;
}

// The pixel sizes of the pictures that the PDF holds, in order: "width x height " each.
QString PictureSizes(const std::string& pdf) {
    QString sizes;  // pdfimages lists a picture as "page num image width height ..."
    const QRegularExpression row(R"(^\s*\d+\s+\d+\s+image\s+(\d+)\s+(\d+))",
                                 QRegularExpression::MultilineOption);
    for (const auto& m : row.globalMatch(Run("pdfimages", {"-list", QString::fromStdString(pdf)})))
        sizes += m.captured(1) + "x" + m.captured(2) + " ";
    return sizes;
}

// Where a cover should lie on the paper, in millimetres: its picture's rectangle, its margin and the line
// where its frame begins (0 for the page's edge).
struct CoverPlace {
    double left, top, width, height, margin, frameTop = 0;
};

// Expects the cover's four frame lines, each crossed in the margin strips beside the picture, within
// `tolerance` of their places, dark and about one dot wide; and the picture's four edges within it of theirs.
void ExpectCoverOnPage(const QImage& page, const CoverPlace& p, double tolerance = kToleranceMm) {
    ASSERT_FALSE(page.isNull());
    using Profile = std::function<int(int)>;  // the greys along a row or a column
    auto pixel = [&](int x, int y) { return page.valid(x, y) ? qGray(page.pixel(x, y)) : 255; };
    auto line = [&](double mm, const Profile& at) {
        double dark = 0, moment = 0;
        int darkest = 255;
        for (int i = Px(mm) - 5; i < Px(mm) + 5; ++i)
            dark += (255 - at(i)) / 255.0, moment += (255 - at(i)) / 255.0 * (i + 0.5),
                darkest = std::min(darkest, at(i));
        EXPECT_NEAR(moment / dark / 10, mm, tolerance);
        EXPECT_TRUE(darkest < 80 && dark > 0.6 && dark < 2.5)
            << mm << " mm: " << darkest << ", " << dark << " dots";
    };
    const double right = p.left + p.width, bottom = p.top + p.height;
    for (double strip : {p.left - p.margin / 2, right + p.margin / 2})
        for (double y : {p.top, bottom}) line(y, [&](int i) { return pixel(Px(strip), i); });
    for (double strip : {p.top - p.margin / 2, bottom + p.margin / 2})
        for (double x : {p.left, right}) line(x, [&](int i) { return pixel(i, Px(strip)); });
    // The picture's pixels (mid grey) along a row or column: the first and one past the last, in mm.
    auto run = [](int from, int to, const Profile& at) {
        int first = -1, last = -1;
        for (int i = from; i < to; ++i)
            if (at(i) > 70 && at(i) < 190) first = first < 0 ? i : first, last = i;
        return std::pair(first / 10.0, (last + 1) / 10.0);
    };
    const int midRow = Px(p.top + p.height / 2), midColumn = Px(p.left + p.width / 2);
    const auto across = run(0, page.width(), [&](int x) { return pixel(x, midRow); });
    // Down the page only within this cover's frame: another cover may lie above or below it.
    const auto down =
        run(Px(p.frameTop), Px(bottom + p.margin) + 1, [&](int y) { return pixel(midColumn, y); });
    const std::pair<double, double> edges[] = {
        {across.first, p.left}, {across.second, right}, {down.first, p.top}, {down.second, bottom}};
    for (auto [found, expected] : edges) EXPECT_NEAR(found, expected, tolerance) << "a picture edge";
}

// Where each button's covers lie at 254 dots per inch from the page's origin: margins of 5 and 10 dots.
std::vector<CoverPlace> PlacesAt254(const std::string& button) {
    if (button == "btnPrintDvd") return {{0.5, 0.5, 183, 273, 0.5}};
    if (button == "btnPrintCdFront") return {{1, 1, 120, 120, 1}};
    if (button == "btnPrintCdBack") return {{1, 1, 117, 150, 1}};
    return {{1, 1, 120, 120, 1}, {1, 131, 150, 117, 1, 130}};
}

class PdfPrintTest : public PrintTest {
  protected:
    void SetUp() override {
        PrintTest::SetUp();
        if (QStandardPaths::findExecutable("pdfimages").isEmpty())
            GTEST_SKIP() << "poppler-utils (pdftoppm, pdfimages) is not installed";
        Services().printDialog = [this](const Ref<PrinterSetup>&) { return NewPdfPage(pdf, paper); };
    }
    const std::string pdf = File("page.pdf");
    QPageSize::PageSizeId paper = QPageSize::A4;
};

TEST_F(PdfPrintTest, EachPrintLandsOnPaperAtItsMillimetresInFullResolution) {
    // Files bigger than their covers' dots: nothing may shrink them on the way to paper.
    FileOf(Main::kDvd) = WritePicture("dvd.bmp", 3000, 2000);
    FileOf(Main::kCdFront) = WritePicture("front.bmp", 1400, 1300);
    FileOf(Main::kCdBack) = WritePicture("back.bmp", 1600, 1250);
    // At 300 dots per inch the margins stay 5 dots, and 183 x 273 mm, 2161.4 x 3224.4 dots, are 2161 x 3224.
    const double dot = 25.4 / 300;
    const auto A4 = QPageSize::A4, Letter = QPageSize::Letter;
    const struct {
        int dotsPerInch;
        QPageSize::PageSizeId paper;
        const char* button;
        std::vector<CoverPlace> places;
        const char* pictures;
    } prints[] = {
        {254, A4, "btnPrintDvd", PlacesAt254("btnPrintDvd"), "2000x3000 "},
        {254, A4, "btnPrintCdFront", PlacesAt254("btnPrintCdFront"), "1300x1400 "},
        {254, A4, "btnPrintCdBack", PlacesAt254("btnPrintCdBack"), "1250x1600 "},
        {254, A4, "btnCdBoth", PlacesAt254("btnCdBoth"), "1400x1300 1600x1250 "},
        {254, Letter, "btnCdBoth", PlacesAt254("btnCdBoth"), "1400x1300 1600x1250 "},
        {300, Letter, "btnPrintDvd", {{5 * dot, 5 * dot, 2161 * dot, 3224 * dot, 5 * dot}}, "2000x3000 "},
    };
    for (const auto& print : prints) {
        SCOPED_TRACE(print.button + std::string(" at ") + std::to_string(print.dotsPerInch));
        SetPageResolution(print.dotsPerInch);
        paper = print.paper;
        QFile::remove(QString::fromStdString(pdf));
        Push(print.button);
        ASSERT_TRUE(reports.empty()) << reports.at(0);
        const QImage page = Render(pdf);
        for (const CoverPlace& place : print.places) ExpectCoverOnPage(page, place);
        EXPECT_EQ(PictureSizes(pdf).toStdString(), print.pictures);
        const CoverPlace& p = print.places[0];  // its top frame line is one dot wide
        EXPECT_NEAR(LineWidthMm(pdf, p.left - p.margin / 2, p.top), 25.4 / print.dotsPerInch, 0.02);
    }
}

TEST_F(PdfPrintTest, APrintThatFailsIsReportedWithItsCoverFileAndOneThatWorksIsNot) {
    FileOf(Main::kCdFront) = WritePicture("front.bmp", 20, 20);
    ASSERT_EQ(mkfifo(File("pipe.pdf").c_str(), 0600), 0);
    enum Meanwhile { kNothing, kRemoved, kDiskFull, kSmallPaper };
    const struct {
        std::string output;
        Meanwhile meanwhile;
        const char* why;  // nullptr: printed, nothing said
    } prints[] = {{File("no-such-folder/page.pdf"), kNothing, "no-such-folder/page.pdf\u2069)"},
                  {File("pipe.pdf"), kNothing, "not a regular file"},
                  {File("full.pdf"), kDiskFull, "incomplete"},
                  {File("gone.pdf"), kRemoved, "does not exist"},
                  {File("a6.pdf"), kSmallPaper,
                   "cover and its frame lines need 122.1 x 122.1 mm, but the page's printable area is 104.7 "
                   "x 148.1 mm"},
                  {File("fine.pdf"), kNothing, nullptr}};
    signal(SIGXFSZ, SIG_IGN);  // a write past the file size limit fails as on a full disk
    for (const auto& print : prints) {
        SCOPED_TRACE(print.output);
        reports.clear();
        Services().printDialog = [&](const Ref<PrinterSetup>&) {
            Ref<Graphics> page =
                NewPdfPage(print.output, print.meanwhile == kSmallPaper ? QPageSize::A6 : QPageSize::A4);
            if (print.meanwhile == kRemoved)  // once the first drawing call has begun the job and the file
                page->SetPixel(0, 0, {}), QFile::remove(QString::fromStdString(print.output));
            return page;
        };
        rlimit limit{RLIM_INFINITY, RLIM_INFINITY};
        if (print.meanwhile == kDiskFull) limit.rlim_cur = 2000;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        Push("btnPrintCdFront");
        limit.rlim_cur = RLIM_INFINITY;
        setrlimit(RLIMIT_FSIZE, &limit);
        ASSERT_EQ(reports.size(), print.why ? 1u : 0u);
        EXPECT_TRUE(print.meanwhile != kSmallPaper || !QFile::exists(QString::fromStdString(print.output)));
        if (!print.why) continue;
        EXPECT_TRUE(Contains(reports[0], "\"\u2068front.bmp\u2069\"") && Contains(reports[0], print.why))
            << reports[0];
    }
}

// Pushes KAVRELLO_PRINT_QUEUE_BUTTON ("Print both" unless set) on A4 paper laid out in portrait, or in
// landscape with KAVRELLO_PRINT_QUEUE_LANDSCAPE set, and finds each cover on the paper at its place from
// the corner of the printer's printable area as the paper has it.
TEST_F(PdfPrintTest, PrintsThroughAPrintQueue) {
    const QString queue = qEnvironmentVariable("KAVRELLO_PRINT_QUEUE");
    const QString out = qEnvironmentVariable("KAVRELLO_PRINT_QUEUE_OUT");
    if (queue.isEmpty() || out.isEmpty()) GTEST_SKIP() << "no print queue named in KAVRELLO_PRINT_QUEUE";
    // "held" for a paused queue, which keeps the job; the reason a refusing queue gives; unset: it prints.
    const std::string expect = qEnvironmentVariable("KAVRELLO_PRINT_QUEUE_EXPECT").toStdString();
    const std::string button = qEnvironmentVariable("KAVRELLO_PRINT_QUEUE_BUTTON", "btnCdBoth").toStdString();
    const bool landscape = qEnvironmentVariableIsSet("KAVRELLO_PRINT_QUEUE_LANDSCAPE");
    QMarginsF paper;  // the printer's least margins on upright paper, in millimetres
    Services().printDialog = [&](const Ref<PrinterSetup>&) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(queue);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        QPageLayout layout = printer->pageLayout();
        layout.setUnits(QPageLayout::Millimeter);
        paper = layout.minimumMargins();
        QPrinterInfo::printerInfo("kavrello-no-such-queue");  // a failed request before the job's
        return NewPrinterPage(std::move(printer));
    };
    FileOf(Main::kCdFront) = WritePicture("front.bmp", 1300, 1250);
    FileOf(Main::kCdBack) = WritePicture("back.bmp", 1000, 1600);
    FileOf(Main::kDvd) = WritePicture("dvd.bmp", 1000, 1600);
    const QStringList before = QDir(out).entryList({"*.pdf"}, QDir::Files);
    Push(button.c_str());
    const bool refused = !expect.empty() && expect != "held";
    ASSERT_EQ(reports.size(), refused ? 1u : 0u) << (reports.empty() ? "no report" : reports[0]);
    EXPECT_TRUE(!refused || (Contains(reports[0], ".bmp\u2069\"") && Contains(reports[0], expect)))
        << reports[0];
    if (!expect.empty()) return;  // a held job waits in the queue, where the caller looks for it
    // The queue's PDF file, once it appears (within a minute) and its back end has had time to finish it.
    std::string printed;
    QElapsedTimer clock;
    for (clock.start(); printed.empty() && clock.elapsed() < 60000; QThread::msleep(200))
        for (const QString& name : QDir(out).entryList({"*.pdf"}, QDir::Files))
            if (!before.contains(name)) printed = QDir(out).filePath(name).toStdString();
    ASSERT_FALSE(printed.empty()) << "the queue wrote no PDF file into " << out.toStdString();
    QThread::msleep(1000);
    std::cout << "least margins " << paper.left() << ", " << paper.top() << ", " << paper.right() << ", "
              << paper.bottom() << " mm; printed " << printed << "\n";
    QImage page = Render(printed);
    ASSERT_LT(page.width(), page.height()) << "the paper is upright";
    // A landscape page lies on the paper turned a quarter turn counter-clockwise: turned back, its
    // printable area starts past the paper's bottom margin and its left one. The paper's bottom edge lies
    // part of a pixel off the rendering's grid, so thin lines and edges snap a pixel either way there.
    if (landscape) page = page.transformed(QTransform().rotate(90));
    const double left = landscape ? paper.bottom() : paper.left(),
                 top = landscape ? paper.left() : paper.top();
    for (CoverPlace place : PlacesAt254(button)) {
        place.left += left, place.top += top, place.frameTop += top;
        ExpectCoverOnPage(page, place, landscape ? 0.2 : kToleranceMm);
    }
}

}  // namespace
