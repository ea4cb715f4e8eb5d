#include "pdf_measure.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <sstream>

namespace {

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

}  // namespace

bool PopplerAvailable() {
    return !QStandardPaths::findExecutable("pdftoppm").isEmpty() &&
           !QStandardPaths::findExecutable("pdfimages").isEmpty();
}

QImage RenderPageAt254(const std::string& pdf) {
    const QString out = QString::fromStdString(pdf) + ".render";
    Run("pdftoppm",
        {"-r", "254", "-gray", "-singlefile", "-f", "1", "-l", "1", QString::fromStdString(pdf), out});
    QImage page(out + ".pgm");
    return page.convertToFormat(QImage::Format_Grayscale8);
}

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
