// The About box: fixed and untitled with the shipped logo, one box for two choices, Ok, and the logo
// read once per run.
#include "app/About.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

#include "app/logo.h"
#include "editor/Main.h"
#include "framework/folder_item.h"
#include "framework/picture.h"
#include "framework/window_system.h"
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

TEST_F(AboutTest, BoxIsFixedAndUntitledAndShowsTheShippedLogo) {
    auto about = OpenBox();
    ASSERT_TRUE(about);
    QWidget* widget = about->Widget();
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize()) << "the box must not be resizable";
    const Qt::WindowFlags buttons = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
    EXPECT_EQ(widget->windowFlags() & (buttons | Qt::WindowMaximizeButtonHint), Qt::WindowCloseButtonHint);
    EXPECT_EQ(WindowSystemTitle(*widget), "") << "the title bar shows nothing";
    EXPECT_EQ(WindowSystemTitle(*main->Widget()), "Kavrello 4");
    EXPECT_EQ(about->Content()->grab().toImage().pixelColor(5, 160), QColor(Qt::white));

    QWidget* canvas = about->Canvas1()->Widget();
    EXPECT_EQ(canvas->geometry(), QRect(29, 24, 437, 77));
    ASSERT_TRUE(about->Canvas1()->Backdrop());
    // The logo as it is in the source tree, which the build copies beside the program, is what it shows.
    const QImage logo(KAVRELLO_SOURCE_DIR "/Resources/kavrello_logo.jpg");
    EXPECT_EQ(about->Canvas1()->Backdrop()->Image(), logo);
    EXPECT_EQ(canvas->grab().toImage().pixelColor(200, 40), logo.pixelColor(200, 40));
    EXPECT_TRUE(reports.empty());
}

TEST_F(AboutTest, OneBoxForTwoChoicesOkClosesItAndTheNextChoiceMakesANewOne) {
    auto first = OpenBox();
    first->Widget()->hide();
    EXPECT_EQ(OpenBox(), first);
    EXPECT_TRUE(first->Widget()->isVisible()) << "the second choice shows the open box again";
    static_cast<QPushButton*>(first->PushButton1()->Widget())->click();
    EXPECT_EQ(OpenWindows(), std::vector<Ref<Window>>{main});
    auto second = OpenBox();
    EXPECT_TRUE(second && second != first);
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
    WriteImage(bundle, logo, green, "JPEG");
    const Ref<Picture> loaded = kavrello_logo();
    ASSERT_TRUE(loaded) << "the next try reads it";
    ASSERT_TRUE(QFile::remove(bundle.filePath(logo)));
    EXPECT_EQ(OpenBox()->Canvas1()->Backdrop(), loaded) << "read once: the file is not needed again";
    EXPECT_TRUE(Near(loaded->Image().pixelColor(200, 40), Qt::darkGreen, 8)) << "its pixels too";
    EXPECT_TRUE(reports.empty());

    // A broken way to the Resources folder is reported; no half-built box is kept, and the next choice
    // tries again.
    GetImplicitWindow("About.About")->Close();
    ResetLogoCache();
    OverrideExecutableFile(nullptr);
    EXPECT_EQ(OpenBox(), nullptr);
    EXPECT_EQ(reports.size(), 1u);
    UseRealExecutableFile();
    EXPECT_TRUE(OpenBox()->Canvas1()->Backdrop());
}

}  // namespace
