// The four print buttons against a page that records its calls, at 10 dots a millimetre: the calls and
// values of each print in order, the empty-path rules, cancelling, failures reported before the dialog,
// and prints that stay what they were while their turn yields.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "editor/covers.h"
#include "editor/intake.h"
#include "framework/background_task.h"
#include "framework/folder_item.h"
#include "framework/picture.h"
#include "print_support.h"

namespace {

using Calls = std::vector<std::string>;

class PrintButtonsTest : public PrintTest {
  protected:
    void TearDown() override {
        SetBackgroundTaskObserver({});
        PrintTest::TearDown();
    }
};

// The picture as the page received it: the file turned clockwise puts the file's top-left corner at
// the top right, its top-right corner at the bottom right and its bottom-left corner at the top left.
void ExpectTurnedClockwise(const Ref<Picture>& picture) {
    ASSERT_TRUE(picture);
    Ref<Graphics> g = picture->Graphics();
    const int32_t right = picture->Width() - 1, bottom = picture->Height() - 1;
    EXPECT_EQ(g->Pixel(right, 0), kTopLeft);
    EXPECT_EQ(g->Pixel(right, bottom), kTopRight);
    EXPECT_EQ(g->Pixel(0, 0), kBottomLeft);
}

void ExpectUnturned(const Ref<Picture>& picture) {
    ASSERT_TRUE(picture);
    Ref<Graphics> g = picture->Graphics();
    EXPECT_EQ(g->Pixel(0, 0), kTopLeft);
    EXPECT_EQ(g->Pixel(picture->Width() - 1, 0), kTopRight);
    EXPECT_EQ(g->Pixel(0, picture->Height() - 1), kBottomLeft);
}

TEST_F(PrintButtonsTest, EachSingleCoverGetsItsFrameThenItsTurnedPictureOnOnePage) {
    auto main = Main::Instance();
    main->filenaamDVD = WritePicture("dvd.bmp", 300, 200);
    main->filenaamCDFront = WritePicture("front.bmp", 120, 120);
    main->filenaamCDBack = WritePicture("back.bmp", 150, 117);
    const struct {
        const char* button;
        Calls expected;
    } prints[] = {{"btnPrintDvd", DvdCalls(200, 300)},
                  {"btnPrintCdFront", CdFrontCalls(120, 120)},
                  {"btnPrintCdBack", CdBackCalls(117, 150)}};
    for (const auto& print : prints) {
        SCOPED_TRACE(print.button);
        const size_t before = pages.size();
        Click(main, print.button);
        ASSERT_EQ(pages.size(), before + 1);
        EXPECT_EQ(pages.back()->calls, print.expected);
        ExpectTurnedClockwise(pages.back()->pictures.at(0));
        EXPECT_EQ(pages.back().use_count(), 1) << "the handler keeps no page: the job has ended";
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(PrintButtonsTest, PrintBothDrawsTheUnturnedFrontThenTheBackLaidBelowIt) {
    auto main = Main::Instance();
    main->filenaamCDFront = WritePicture("front.bmp", 60, 40);
    main->filenaamCDBack = WritePicture("back.bmp", 30, 50);  // portrait, stretched into the landscape cover
    Click(main, "btnCdBoth");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0]->calls, BothCalls(60, 40, 30, 50));
    ExpectUnturned(pages[0]->pictures.at(0));
    ExpectUnturned(pages[0]->pictures.at(1));

    // One file named by both covers is read twice and drawn into each rectangle.
    main->filenaamCDBack = main->filenaamCDFront;
    Click(main, "btnCdBoth");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1]->calls, BothCalls(60, 40, 60, 40));
    EXPECT_NE(pages[1]->pictures.at(0), pages[1]->pictures.at(1));
}

TEST_F(PrintButtonsTest, PhotosAreReadInFullBeforeTheDialogSoRemovingThemMeanwhileChangesNothing) {
    auto main = Main::Instance();
    for (const char* name : {"front.jpg", "back.jpg"}) {
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        ASSERT_TRUE(photo.save(QString::fromStdString(PathOf(name)), "JPEG"));
    }
    main->filenaamCDFront = PathOf("front.jpg");
    main->filenaamCDBack = PathOf("back.jpg");
    auto confirm = Services().printDialog;
    Services().printDialog = [&](const Ref<PrinterSetup>& setup) {
        QFile::remove(QString::fromStdString(PathOf("front.jpg")));
        QFile::remove(QString::fromStdString(PathOf("back.jpg")));
        return confirm(setup);
    };
    Click(main, "btnCdBoth");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0]->calls, BothCalls(64, 48, 64, 48));
    for (const auto& picture : pages[0]->pictures) EXPECT_EQ(picture->Image().pixelColor(5, 5).blue() > 100, true);
    EXPECT_TRUE(reports.empty());
}

TEST_F(PrintButtonsTest, ACoverWithoutFileOrACancelledDialogPrintsNothingAndSaysNothing) {
    auto main = Main::Instance();
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
    auto main = Main::Instance();
    const std::string good = WritePicture("good.bmp", 20, 20);
    const std::string junk = WriteJunk("junk.jpg");
    const std::string gone = PathOf("gone.jpg");
    const struct {
        const char* button;
        std::string front, back, dvd;
        const char* named;
        const char* why;
    } cases[] = {
        {"btnPrintDvd", "", "", gone, "gone.jpg", "does not exist"},
        {"btnPrintCdFront", junk, "", "", "junk.jpg", "not a picture"},
        {"btnPrintCdBack", "", "relative.bmp", "", "relative.bmp", "not an absolute path"},
        {"btnCdBoth", gone, good, "", "gone.jpg", "does not exist"},
        {"btnCdBoth", good, junk, "", "junk.jpg", "not a picture"},
    };
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
        EXPECT_EQ(main->filenaamCDFront, c.front) << "the window is unchanged";
        EXPECT_EQ(main->filenaamCDBack, c.back);
        EXPECT_EQ(main->filenaamDVD, c.dvd);
    }
    EXPECT_EQ(dialogs, 0);
}

TEST_F(PrintButtonsTest, ATurnedPreviewDoesNotChangeThePrint) {
    auto main = Main::Instance();
    intake::LoadCover(*main, covers::kCdFront, GetFolderItem(WritePicture("front.bmp", 40, 30), 0));
    intake::LoadCover(*main, covers::kCdBack, GetFolderItem(WritePicture("back.bmp", 30, 40), 0));
    Click(main, "btnRotateCdFront");
    Click(main, "btnRotateCdBack");
    Click(main, "btnRotateCdBack");
    Click(main, "btnPrintCdFront");
    Click(main, "btnCdBoth");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0]->calls, CdFrontCalls(30, 40));
    ExpectTurnedClockwise(pages[0]->pictures.at(0));
    EXPECT_EQ(pages[1]->calls, BothCalls(40, 30, 30, 40));
    ExpectUnturned(pages[1]->pictures.at(0));
    ExpectUnturned(pages[1]->pictures.at(1));
}

TEST_F(PrintButtonsTest, ClicksAndClosingDuringTheTurnsYieldsLeaveThatPrintAsItWas) {
    auto main = Main::Instance();
    const std::string dvd = WritePicture("dvd.bmp", 300, 200);
    intake::LoadCover(*main, covers::kDvd, GetFolderItem(dvd, 0));
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
        intake::LoadCover(*main, covers::kDvd, GetFolderItem(other, 0));
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
    ExpectTurnedClockwise(pages[2]->pictures.at(0));
    // Once closed, the buttons are gone with their window; nothing more prints.
    EXPECT_FALSE(main->IsOpen());
}

}  // namespace
