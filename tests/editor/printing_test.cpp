// The four print buttons against a page that records its calls, at 10 dots a millimetre: the calls and
// values of each print in order, the empty-path rules, cancelling, failures reported before the dialog,
// one print at a time that stays what it was while its turn yields, and only prints that fit the page.
#include <set>

#include "print_support.h"

namespace {

class PrintButtonsTest : public PrintTest {};

TEST_F(PrintButtonsTest, EachPrintDrawsItsFramesThenItsPicturesTurnedAloneAndUprightTogetherIfAllFits) {
    FileOf(Main::kDvd) = WritePicture("dvd.bmp", 300, 200);
    FileOf(Main::kCdFront) = WritePicture("front.bmp", 120, 120);
    FileOf(Main::kCdBack) = WritePicture("back.bmp", 150, 117);
    // Each on a page just large enough for its frame lines' far ends, then one dot narrower, one shorter.
    const std::tuple<const char*, std::string, int32_t, int32_t> prints[] = {
        {"btnPrintDvd", kDvdPrint + Source(200, 300, "turned"), 1841, 2741},
        {"btnPrintCdFront", kCdFrontPrint + Source(120, 120, "turned"), 1221, 1221},
        {"btnPrintCdBack", kCdBackPrint + Source(117, 150, "turned"), 1191, 1521},
        {"btnCdBoth",
         kCdFrontPrint + Source(120, 120, "upright") + kLaidCdBackPrint + Source(150, 117, "upright"), 1521,
         2491}};
    for (const auto& [button, calls, width, height] : prints)
        for (auto [w, h] : {std::pair(width, height), {width - 1, height}, {width, height - 1}}) {
            const bool fits = w == width && h == height;
            pages.clear(), reports.clear(), pageWidth = w, pageHeight = h;
            Push(button);
            ASSERT_EQ(pages.size(), 1u) << button;
            EXPECT_EQ(pages[0]->calls, fits ? calls : "") << button << " on " << w << " x " << h;
            EXPECT_EQ(reports.size(), fits ? 0u : 1u) << button << " on " << w << " x " << h;
        }
    EXPECT_TRUE(Contains(reports.at(0),
                         "back.bmp\u2069\" were not printed: the 120 x 120 mm and 150 x 117 mm "
                         "covers and their frame lines need 152.1 x 249.1 mm, but the page's "
                         "printable area is 152.1 x 249.0 mm."))
        << reports.at(0);
}

TEST_F(PrintButtonsTest, PhotosAreReadInFullBeforeTheDialogSoRemovingThemMeanwhileChangesNothing) {
    FileOf(Main::kCdFront) = WriteQuadrants(dir, "front.jpg", "JPEG", 64, 48);
    FileOf(Main::kCdBack) = WriteQuadrants(dir, "back.jpg", "JPEG", 64, 48);
    auto confirm = Services().printDialog;
    Services().printDialog = [&](const Ref<PrinterSetup>& setup) {
        for (const char* name : {"front.jpg", "back.jpg"}) QFile::remove(dir.filePath(name));
        return confirm(setup);
    };
    Push("btnCdBoth");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0]->calls,
              kCdFrontPrint + Source(64, 48, "other") + kLaidCdBackPrint + Source(64, 48, "other"));
    for (const auto& picture : pages[0]->pictures)
        EXPECT_TRUE(Near(picture->Image().pixelColor(60, 44), Qt::yellow));
    EXPECT_TRUE(reports.empty());
}

TEST_F(PrintButtonsTest, ACoverWithoutFileOrACancelledDialogPrintsNothingAndSaysNothing) {
    for (const char* button : {"btnPrintDvd", "btnPrintCdFront", "btnPrintCdBack", "btnCdBoth"}) Push(button);
    // Print both wants both files, whichever one is missing.
    FileOf(Main::kCdFront) = WritePicture("front.bmp", 20, 20);
    Push("btnCdBoth");
    std::swap(FileOf(Main::kCdFront), FileOf(Main::kCdBack));
    Push("btnCdBoth");
    EXPECT_TRUE(pages.empty()) << "no dialog";
    int cancelled = 0;
    Services().printDialog = [&](const Ref<PrinterSetup>&) { return ++cancelled, Ref<Graphics>(); };
    FileOf(Main::kCdFront) = FileOf(Main::kCdBack);
    Push("btnPrintCdBack");
    Push("btnCdBoth");
    EXPECT_EQ(cancelled, 2);
    EXPECT_TRUE(reports.empty());
}

TEST_F(PrintButtonsTest, AFileThatCannotBeReadOrTurnedIsReportedByNameBeforeAnyDialog) {
    const std::string good = WritePicture("good.bmp", 20, 20), gone = File("gone.jpg");
    const std::string junk = WriteBytes(dir, "junk.jpg", "no picture here");
    const std::string pict =
        WriteBytes(dir, "old.pict", QByteArray(522, '\0') + QByteArray::fromHex("001102ff"));
    const struct {
        const char* button;
        std::string paths[3];  // CD front, CD back, DVD
        const char *named, *why;
    } cases[] = {
        {"btnPrintDvd", {"", "", gone}, "gone.jpg", "does not exist"},
        {"btnPrintCdFront", {junk, "", ""}, "junk.jpg", "not a picture"},
        {"btnPrintCdFront", {pict, "", ""}, "old.pict", "a PICT picture, which this program cannot read"},
        {"btnPrintCdBack", {"", "relative.bmp", ""}, "relative.bmp", "not an absolute path"},
        {"btnCdBoth", {gone, good, ""}, "gone.jpg", "does not exist"},
        {"btnCdBoth", {good, junk, ""}, "junk.jpg", "not a picture"},
        {"btnPrintDvd", {"", "", good}, "good.bmp", "memory ran out"},  // no memory for the turned picture
    };
    SetImageByteLimit(1000);
    for (const auto& c : cases) {
        reports.clear();
        for (int i = 0; i < 3; ++i) FileOf(*kCovers[i]) = c.paths[i];
        Push(c.button);
        ASSERT_EQ(reports.size(), 1u) << c.button;
        EXPECT_TRUE(Contains(reports[0], c.named) && Contains(reports[0], c.why)) << reports[0];
        for (int i = 0; i < 3; ++i) EXPECT_EQ(FileOf(*kCovers[i]), c.paths[i]);
    }
    EXPECT_TRUE(pages.empty()) << "no dialog";
}

TEST_F(PrintButtonsTest, PalettePicturesPrintInTheirOwnColoursAndUnwrittenPixelsInOne) {
    // 8 x 2, one bit a pixel, a table of one entry (blue): the top row's last pixel takes index 1.
    FileOf(Main::kCdFront) = WriteBytes(
        dir, "one.bmp",
        QByteArray::fromHex("424d42000000000000003a000000280000000800000002000000010001000000000008"
                            "000000130b0000130b00000100000000000000ff0000000000000001000000"));
    QImage greys(256, 1, QImage::Format_Indexed8);
    for (int i = 0; i < 256; ++i) greys.setColor(i, qRgb(i, i, i)), greys.setPixel(i, 0, i);
    FileOf(Main::kCdBack) = WriteImage(dir, "greys.bmp", greys, "BMP");
    // The greys stored top-down and run-length coded: two white pixels, then the data ends. Decoded right
    // after the greys, into memory of the same size.
    QByteArray cut = QByteArray::fromHex(
        "424d3a04000000000000360400002800000000010000ffffffff01000800010000000400"
        "0000130b0000130b00000001000000000000");
    for (QRgb grey : greys.colorTable()) cut += QByteArray(3, char(qGray(grey))) + '\0';
    FileOf(Main::kDvd) = WriteBytes(dir, "cut.bmp", cut + QByteArray::fromHex("02ff0001"));
    for (const char* button : {"btnPrintCdFront", "btnPrintCdBack", "btnPrintDvd"}) Push(button);
    ASSERT_EQ(pages.size(), 3u);
    // Turned clockwise, the file's (x, y) lies at (height - 1 - y, x).
    const Ref<Graphics> g[] = {pages[0]->pictures.at(0)->Graphics(), pages[1]->pictures.at(0)->Graphics(),
                               pages[2]->pictures.at(0)->Graphics()};
    EXPECT_EQ(std::pair(g[0]->Pixel(1, 0), g[0]->Pixel(1, 7)), std::pair(RGB(0, 0, 255), RGB(0, 0, 0)));
    std::set<uint32_t> shades;
    for (int y = 0; y < 256; ++y) shades.insert(g[1]->Pixel(0, y).value);
    EXPECT_EQ(shades.size(), 256u);
    EXPECT_EQ(std::tuple(g[2]->Pixel(0, 1), g[2]->Pixel(0, 2), g[2]->Pixel(0, 255)),
              std::tuple(RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0)));
}

TEST_F(PrintButtonsTest, ClicksAndClosingDuringTheTurnsYieldsOrTheDialogStartNoOtherPrint) {
    Load(Main::kDvd, WritePicture("dvd.bmp", 300, 200));
    FileOf(Main::kCdFront) = WritePicture("front.bmp", 50, 50);
    const std::string other = WritePicture("other.bmp", 90, 10);
    bool acted = false;
    SetBackgroundTaskObserver([&] {
        if (acted) return;
        acted = true;
        // Another print, a turn, a new file for the same cover, another click on the same button, then
        // the window closes: all while the DVD print waits in its turn.
        Push("btnPrintCdFront");
        Push("btnRotateDvd");
        Load(Main::kDvd, other);
        Push("btnPrintDvd");
        main->Close();
    });
    auto confirm = Services().printDialog;
    Services().printDialog = [&, dialogs = 0](const Ref<PrinterSetup>& setup) mutable {
        if (dialogs++ == 0) Push("btnPrintCdFront");  // and a click while the dialog is open
        return confirm(setup);
    };
    Push("btnPrintDvd");
    EXPECT_TRUE(acted);
    EXPECT_TRUE(reports.empty()) << reports.at(0);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0]->calls, kDvdPrint + Source(200, 300, "turned")) << "the print keeps its own file";
    EXPECT_FALSE(main->IsOpen());
}

}  // namespace
