// The About box: its window and controls, one box for two choices, Ok, and the logo read once per run.
#include "app/About.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

#include "app/logo.h"
#include "editor/Main.h"
#include "framework/folder_item.h"
#include "framework/picture.h"
#include "framework/x11.h"
#include "picture_files.h"
#include "support.h"

namespace {

class AboutTest : public FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ResetLogoCache();
        main = Main::Instance();
    }
    void TearDown() override {
        UseRealExecutableFile();
        ResetLogoCache();
        FrameworkTest::TearDown();
    }
    Ref<About> OpenBox() {
        MenuBar1::Instance()->Lookup("UntitledAbout")->Action()->trigger();
        return std::dynamic_pointer_cast<About>(GetImplicitWindow("About.About"));
    }

    Ref<Main> main;
};

TEST_F(AboutTest, BoxAndControlsAreAsLaidOutWithTheShippedLogo) {
    auto about = OpenBox();
    ASSERT_TRUE(about);
    QWidget* widget = about->Widget();
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(about->Content()->size(), QSize(512, 169));
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize()) << "the box must not be resizable";
    EXPECT_EQ(about->Title(), "");
    EXPECT_EQ(WindowSystemTitle(*widget), "") << "the title bar shows nothing";
    EXPECT_EQ(WindowSystemTitle(*main->Widget()), "Kavrello 4");
    const Qt::WindowFlags flags = widget->windowFlags();
    EXPECT_EQ(
        flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
        Qt::WindowCloseButtonHint);
    EXPECT_EQ(about->Content()->grab().toImage().pixelColor(5, 160), QColor(Qt::white));

    auto canvas = about->Canvas1();
    EXPECT_EQ(QRect(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height()),
              QRect(29, 24, 437, 77));
    EXPECT_EQ(canvas->Widget()->geometry(), QRect(29, 24, 437, 77));
    ASSERT_TRUE(canvas->Backdrop());
    EXPECT_EQ(canvas->Backdrop()->Image().size(), QSize(437, 77));
    EXPECT_EQ(canvas->Backdrop()->Image(), QImage(KAVRELLO_SOURCE_DIR "/Resources/kavrello_logo.jpg"))
        << "the logo as it is in the source tree";
    // The backdrop is what the canvas shows.
    EXPECT_EQ(canvas->Widget()->grab().toImage().pixelColor(200, 40),
              canvas->Backdrop()->Image().pixelColor(200, 40));

    EXPECT_EQ(about->StaticText1()->Text(), "version 4.0");
    EXPECT_EQ(about->StaticText1()->Widget()->geometry(), QRect(350, 81, 142, 20));
    auto* ok = qobject_cast<QPushButton*>(about->PushButton1()->Widget());
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_EQ(ok->geometry(), QRect(373, 121, 80, 20));
    EXPECT_FALSE(ok->isDefault());
    EXPECT_FALSE(about->PushButton1()->BoolProperty("Cancel"));
    EXPECT_TRUE(reports.empty());
}

TEST_F(AboutTest, OneBoxForTwoChoicesOkClosesItAndTheNextChoiceMakesANewOne) {
    main->Control<TabPanel>("TabPanel1")->Value(1);
    auto first = OpenBox();
    first->Widget()->hide();
    EXPECT_EQ(OpenBox(), first);
    EXPECT_TRUE(first->Widget()->isVisible()) << "the second choice shows the open box again";
    EXPECT_EQ(OpenWindows().size(), 2u);
    EXPECT_EQ(main->Control<TabPanel>("TabPanel1")->Value(), 1) << "the main window is left alone";

    static_cast<QPushButton*>(first->PushButton1()->Widget())->click();
    EXPECT_FALSE(first->IsOpen());
    EXPECT_EQ(GetImplicitWindow("About.About"), nullptr);
    EXPECT_TRUE(main->IsOpen());
    auto second = OpenBox();
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Canvas1()->Backdrop(), first->Canvas1()->Backdrop());
    EXPECT_TRUE(reports.empty());
}

TEST_F(AboutTest, LogoIsRetriedWhileItCannotBeLoadedThenReadOncePerRun) {
    // A bundle of our own in a temporary folder: bin/kavrello4, and Resources/ once the test makes it.
    QTemporaryDir bundle;
    OverrideExecutableFile(GetFolderItem(bundle.filePath("bin/kavrello4").toStdString()));
    EXPECT_EQ(kavrello_logo(), nullptr) << "no Resources folder";
    ASSERT_TRUE(QDir(bundle.path()).mkpath("Resources"));
    const QString logo = "Resources/kavrello_logo.jpg";
    EXPECT_EQ(kavrello_logo(), nullptr) << "no logo file";
    WriteBytes(bundle, logo, "no picture");
    auto box = OpenBox();
    EXPECT_EQ(box->Canvas1()->Backdrop(), nullptr) << "the box opens with an empty canvas";
    box->Close();

    QImage green(437, 77, QImage::Format_RGB32);
    green.fill(Qt::darkGreen);
    ASSERT_TRUE(QFile::remove(bundle.filePath(logo)));
    WriteImage(bundle, logo, green, "JPEG");
    box = OpenBox();
    const Ref<Picture> loaded = box->Canvas1()->Backdrop();
    ASSERT_TRUE(loaded) << "the next opening tries again";
    EXPECT_EQ(loaded->Width(), 437);
    box->Close();

    ASSERT_TRUE(QFile::remove(bundle.filePath(logo)));
    box = OpenBox();
    EXPECT_EQ(box->Canvas1()->Backdrop(), loaded) << "read once: the file is not needed again";
    EXPECT_TRUE(Near(loaded->Image().pixelColor(200, 40), Qt::darkGreen, 8)) << "its pixels too";
    EXPECT_TRUE(reports.empty());

    // A broken way to the Resources folder is reported; no half-built box is kept.
    box->Close();
    ResetLogoCache();
    OverrideExecutableFile(nullptr);
    EXPECT_EQ(OpenBox(), nullptr);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_TRUE(main->IsOpen());
    UseRealExecutableFile();
    ASSERT_TRUE(OpenBox());
    EXPECT_TRUE(OpenBox()->Canvas1()->Backdrop()) << "the next choice tries again";
}

}  // namespace
