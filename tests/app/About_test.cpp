#include "app/About.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/logo.h"
#include "editor/Main.h"
#include "framework/folder_item.h"
#include "framework/picture.h"
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
    void ChooseAbout() { MenuBar1::Instance()->Lookup("UntitledAbout")->Action()->trigger(); }
    Ref<About> OpenBox() {
        ChooseAbout();
        return std::dynamic_pointer_cast<About>(GetImplicitWindow("About.About"));
    }
    // A bundle of our own in a temp folder: bin/kavrello4, and Resources/ once a test makes it.
    QString UseTempBundle() {
        OverrideExecutableFile(GetFolderItem(bundle.filePath("bin/kavrello4").toStdString()));
        return bundle.filePath("Resources");
    }

    Ref<Main> main;
    QTemporaryDir bundle;
};

TEST_F(AboutTest, BoxAndControlsAreAsLaidOutWithTheShippedLogo) {
    auto about = OpenBox();
    ASSERT_TRUE(about);
    QWidget* widget = about->Widget();
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(about->Content()->size(), QSize(512, 169));
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize()) << "the box must not be resizable";
    EXPECT_EQ(about->Title(), "");
    const Qt::WindowFlags flags = widget->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(about->Content()->grab().toImage().pixelColor(5, 160), QColor(Qt::white));

    auto canvas = about->Canvas1();
    EXPECT_EQ(QRect(canvas->Left(), canvas->Top(), canvas->Width(), canvas->Height()),
              QRect(29, 24, 437, 77));
    EXPECT_EQ(canvas->Widget()->geometry(), QRect(29, 24, 437, 77));
    ASSERT_TRUE(canvas->Backdrop());
    EXPECT_EQ(canvas->Backdrop()->Image().size(), QSize(437, 77));
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
    const QString resources = UseTempBundle();
    EXPECT_EQ(kavrello_logo(), nullptr) << "no Resources folder";
    ASSERT_TRUE(QDir().mkpath(resources));
    const QString logoPath = resources + "/kavrello_logo.jpg";
    EXPECT_EQ(kavrello_logo(), nullptr) << "no logo file";
    QFile broken(logoPath);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("no picture") > 0);
    broken.close();
    auto box = OpenBox();
    EXPECT_EQ(box->Canvas1()->Backdrop(), nullptr) << "the box opens with an empty canvas";
    box->Close();

    QImage logo(437, 77, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    ASSERT_TRUE(QFile::remove(logoPath));
    ASSERT_TRUE(logo.save(logoPath, "JPEG"));
    box = OpenBox();
    const Ref<Picture> loaded = box->Canvas1()->Backdrop();
    ASSERT_TRUE(loaded) << "the next opening tries again";
    EXPECT_EQ(loaded->Width(), 437);
    box->Close();

    ASSERT_TRUE(QFile::remove(logoPath));
    EXPECT_EQ(OpenBox()->Canvas1()->Backdrop(), loaded) << "read once: the file is not needed again";
    EXPECT_EQ(loaded->Image().pixelColor(200, 40).green(), QColor(Qt::darkGreen).green()) << "its pixels too";
    EXPECT_TRUE(reports.empty());
}

TEST_F(AboutTest, ABrokenWayToTheResourcesIsReportedAndTheNextChoiceTriesAgain) {
    OverrideExecutableFile(nullptr);
    ChooseAbout();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(GetImplicitWindow("About.About"), nullptr) << "no half-built box is kept";
    EXPECT_TRUE(main->IsOpen());

    UseRealExecutableFile();
    auto box = OpenBox();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->Canvas1()->Backdrop());
}

}  // namespace
