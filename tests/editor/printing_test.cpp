// The four print buttons against a page that records its calls, at 10 dots a millimetre: the calls and
// values of each print in order, the empty-path rules, cancelling, failures reported before the dialog,
// and prints that stay what they were while their turn yields.
#include <gtest/gtest.h>

#include <QFile>
#include <set>

#include "editor/Main.h"
#include "framework/background_task.h"
#include "framework/drag_item.h"
#include "framework/folder_item.h"
#include "framework/picture.h"
#include "framework/pixel_memory.h"
#include "print_support.h"

namespace {

class PrintButtonsTest : public PrintTest {
  protected:
    void SetUp() override {
        PrintTest::SetUp();
        main = Main::Instance();
    }
    void TearDown() override {
        SetBackgroundTaskObserver({});
        SetImageByteLimit(int64_t(1) << 40);
        PrintTest::TearDown();
    }
    // The picture of `page`'s `index`th DrawPicture call.
    Ref<Picture> Drawn(size_t page, size_t index) { return pages.at(page)->pictures.at(index); }
    Ref<Main> main;
};

// Where the file's corners lie in the picture the page received: turned clockwise, the top-left corner
// is at the top right, the top-right one at the bottom right and the bottom-left one at the top left.
void ExpectCorners(const Ref<Picture>& picture, bool turned) {
    ASSERT_TRUE(picture);
    Ref<Graphics> g = picture->Graphics();
    const int32_t right = picture->Width() - 1, bottom = picture->Height() - 1;
    EXPECT_EQ(g->Pixel(turned ? right : 0, 0), kTopLeft);
    EXPECT_EQ(g->Pixel(right, turned ? bottom : 0), kTopRight);
    EXPECT_EQ(g->Pixel(0, turned ? 0 : bottom), kBottomLeft);
}

TEST_F(PrintButtonsTest, EachPrintDrawsItsFramesThenItsPicturesOnOnePage) {
    main->filenaamDVD = WritePicture("dvd.bmp", 300, 200);
    main->filenaamCDFront = WritePicture("front.bmp", 120, 120);
    main->filenaamCDBack = WritePicture("back.bmp", 150, 117);
    const struct {
        const char* button;
        std::vector<std::string> expected;
    } prints[] = {{"btnPrintDvd", DvdCalls(200, 300)},
                  {"btnPrintCdFront", CdFrontCalls(120, 120)},
                  {"btnPrintCdBack", CdBackCalls(117, 150)},
                  {"btnCdBoth", BothCalls(120, 120, 150, 117)}};  // both unturned, the back laid below
    for (const auto& print : prints) {
        SCOPED_TRACE(print.button);
        const size_t page = pages.size();
        Click(main, print.button);
        ASSERT_EQ(pages.size(), page + 1);
        EXPECT_EQ(pages.back()->calls, print.expected);
        const bool both = print.expected.size() == 10;
        ExpectCorners(Drawn(page, 0), !both);
        if (both) ExpectCorners(Drawn(page, 1), false);
        EXPECT_EQ(pages.back().use_count(), 1) << "the handler keeps no page: the job has ended";
    }
    // One file named by both covers is read twice and drawn into each rectangle.
    main->filenaamCDBack = main->filenaamCDFront;
    Click(main, "btnCdBoth");
    EXPECT_EQ(pages.back()->calls, BothCalls(120, 120, 120, 120));
    EXPECT_NE(Drawn(4, 0), Drawn(4, 1));
    EXPECT_TRUE(reports.empty());
}

TEST_F(PrintButtonsTest, PhotosAreReadInFullBeforeTheDialogSoRemovingThemMeanwhileChangesNothing) {
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    main->filenaamCDFront = WriteImage(dir, "front.jpg", photo, "JPEG");
    main->filenaamCDBack = WriteImage(dir, "back.jpg", photo, "JPEG");
    auto confirm = Services().printDialog;
    Services().printDialog = [&](const Ref<PrinterSetup>& setup) {
        QFile::remove(QString::fromStdString(main->filenaamCDFront));
        QFile::remove(QString::fromStdString(main->filenaamCDBack));
        return confirm(setup);
    };
    Click(main, "btnCdBoth");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0]->calls, BothCalls(64, 48, 64, 48));
    for (const auto& picture : pages[0]->pictures) EXPECT_GT(picture->Image().pixelColor(5, 5).blue(), 100);
    EXPECT_TRUE(reports.empty());
}

TEST_F(PrintButtonsTest, ACoverWithoutFileOrACancelledDialogPrintsNothingAndSaysNothing) {
    for (const char* button : {"btnPrintDvd", "btnPrintCdFront", "btnPrintCdBack", "btnCdBoth"})
        Click(main, button);
    // Print both wants both files, whichever one is missing.
    main->filenaamCDFront = WritePicture("front.bmp", 20, 20);
    Click(main, "btnCdBoth");
    main->filenaamCDFront.clear();
    main->filenaamCDBack = WritePicture("back.bmp", 20, 20);
    Click(main, "btnCdBoth");
    EXPECT_EQ(dialogs, 0);

    cancelDialog = true;
    main->filenaamCDFront = main->filenaamCDBack;
    Click(main, "btnPrintCdBack");
    Click(main, "btnCdBoth");
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(pages.empty());
    EXPECT_TRUE(reports.empty());
}

TEST_F(PrintButtonsTest, AFileThatIsGoneOrNoPictureIsReportedByNameBeforeAnyDialog) {
    const std::string good = WritePicture("good.bmp", 20, 20);
    const std::string junk = WriteBytes(dir, "junk.jpg", "no picture here");
    const std::string gone = PathOf("gone.jpg");
    const struct {
        const char* button;
        std::string front, back, dvd;
        const char *named, *why;
    } cases[] = {
        {"btnPrintDvd", "", "", gone, "gone.jpg", "does not exist"},
        {"btnPrintCdFront", junk, "", "", "junk.jpg", "not a picture"},
        {"btnPrintCdBack", "", "relative.bmp", "", "relative.bmp", "not an absolute path"},
        {"btnCdBoth", gone, good, "", "gone.jpg", "does not exist"},
        {"btnCdBoth", good, junk, "", "junk.jpg", "not a picture"},
        {"btnPrintDvd", "", "", good, "good.bmp", "memory ran out"},  // no memory for the turned picture
    };
    SetImageByteLimit(1000);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button + std::string(" ") + c.named);
        reports.clear();
        main->filenaamCDFront = c.front;
        main->filenaamCDBack = c.back;
        main->filenaamDVD = c.dvd;
        Click(main, c.button);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find(c.named), std::string::npos) << reports[0];
        EXPECT_NE(reports[0].find(c.why), std::string::npos) << reports[0];
        EXPECT_EQ(main->filenaamCDFront + main->filenaamCDBack + main->filenaamDVD, c.front + c.back + c.dvd);
    }
    EXPECT_EQ(dialogs, 0);
}

TEST_F(PrintButtonsTest, PalettePicturesPrintInTheirOwnColoursAndUnwrittenPixelsInOne) {
    QImage two(8, 2, QImage::Format_Mono);
    two.setColorTable({qRgb(0, 0, 255), qRgb(255, 255, 0)});
    two.fill(0);
    two.setPixel(7, 0, 1);
    QImage greys(256, 1, QImage::Format_Indexed8);
    for (int i = 0; i < 256; ++i) greys.setColor(i, qRgb(i, i, i)), greys.setPixel(i, 0, i);
    main->filenaamCDFront = WriteImage(dir, "two.bmp", two, "BMP");
    main->filenaamCDBack = WriteImage(dir, "greys.bmp", greys, "BMP");
    // 4 x 2, run-length coded, red and green: two green pixels, then the data ends.
    main->filenaamDVD =
        WriteBytes(dir, "cut.bmp",
                   QByteArray::fromHex("424d42000000000000003e000000280000000400000002000000010008"
                                       "000100000004000000000000000000000002000000000000000000ff00"
                                       "00ff000002010001"));
    for (const char* button : {"btnPrintCdFront", "btnPrintCdBack", "btnPrintDvd"}) Click(main, button);
    ASSERT_EQ(pages.size(), 3u);
    // Turned clockwise, the file's (x, y) lies at (height - 1 - y, x).
    EXPECT_EQ(Drawn(0, 0)->Graphics()->Pixel(1, 0), RGB(0, 0, 255));
    EXPECT_EQ(Drawn(0, 0)->Graphics()->Pixel(1, 7), RGB(255, 255, 0));
    std::set<uint32_t> shades;
    for (int y = 0; y < 256; ++y) shades.insert(Drawn(1, 0)->Graphics()->Pixel(0, y).value);
    EXPECT_EQ(shades.size(), 256u);
    const Ref<Graphics> cut = Drawn(2, 0)->Graphics();
    EXPECT_EQ(std::tuple(cut->Pixel(0, 1), cut->Pixel(0, 2), cut->Pixel(1, 0)),
              std::tuple(RGB(0, 255, 0), RGB(0, 0, 0), RGB(0, 0, 0)));
}

TEST_F(PrintButtonsTest, ATurnedPreviewDoesNotChangeThePrint) {
    main->cdFront_DropObject(std::make_shared<DragItem>(GetFolderItem(WritePicture("front.bmp", 40, 30), 0)),
                             0);
    main->cdBack_DropObject(std::make_shared<DragItem>(GetFolderItem(WritePicture("back.bmp", 30, 40), 0)),
                            0);
    for (const char* button :
         {"btnRotateCdFront", "btnRotateCdBack", "btnRotateCdBack", "btnPrintCdFront", "btnCdBoth"})
        Click(main, button);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0]->calls, CdFrontCalls(30, 40));
    ExpectCorners(Drawn(0, 0), true);
    EXPECT_EQ(pages[1]->calls, BothCalls(40, 30, 30, 40));
    ExpectCorners(Drawn(1, 0), false);
    ExpectCorners(Drawn(1, 1), false);
}

TEST_F(PrintButtonsTest, ClicksAndClosingDuringTheTurnsYieldsLeaveThatPrintAsItWas) {
    main->dvdCover_DropObject(std::make_shared<DragItem>(GetFolderItem(WritePicture("dvd.bmp", 300, 200), 0)),
                              0);
    main->filenaamCDFront = WritePicture("front.bmp", 50, 50);
    const std::string other = WritePicture("other.bmp", 90, 10);
    bool acted = false;
    SetBackgroundTaskObserver([&] {
        if (acted) return;
        acted = true;
        // Another print, a turn, a new file for the same cover, another click on the same button, then
        // the window closes: all while the DVD print waits in its turn.
        Click(main, "btnPrintCdFront");
        Click(main, "btnRotateDvd");
        main->dvdCover_DropObject(std::make_shared<DragItem>(GetFolderItem(other, 0)), 0);
        Click(main, "btnPrintDvd");
        main->Close();
    });
    Click(main, "btnPrintDvd");
    EXPECT_TRUE(acted);
    EXPECT_TRUE(reports.empty()) << reports.at(0);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0]->calls, CdFrontCalls(50, 50));
    EXPECT_EQ(pages[1]->calls, DvdCalls(10, 90)) << "the click during the yield prints the new file";
    EXPECT_EQ(pages[2]->calls, DvdCalls(200, 300)) << "the first print keeps its own file";
    ExpectCorners(Drawn(2, 0), true);
    EXPECT_FALSE(main->IsOpen());
}

}  // namespace
