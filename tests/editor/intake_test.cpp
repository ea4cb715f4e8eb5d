#include "editor/intake.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include "framework/graphics.h"
#include "framework/picture.h"
#include "picture_files.h"
#include "support.h"

namespace {

class IntakeTest : public FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        FileTypes1::Initialize();
        window = Main::Instance();
        jpeg = WriteQuadrants(dir, "photo.jpg", "JPEG");
    }

    // Drags `data` onto the canvas as a file manager would; true when the canvas accepted the drag.
    bool Drag(const CoverRow& cover, QMimeData& data) {
        QWidget* canvas = window->Control<Canvas>(cover.canvas)->Widget();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &drop);
        return drop.isAccepted();
    }
    bool DropFiles(const CoverRow& cover, const std::vector<std::string>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const auto& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
        data.setUrls(urls);
        return Drag(cover, data);
    }

    QColor PreviewPixel(const CoverRow& cover, int x, int y) {
        return QColor::fromRgb((window.get()->*cover.preview)->Graphics()->Pixel(x, y).value);
    }
    bool HintVisible(const CoverRow& cover) {
        return window->Control<StaticText>(cover.hintLabel)->Visible();
    }
    std::string NameLabel(const CoverRow& cover) {
        return window->Control<StaticText>(cover.nameLabel)->Text();
    }

    QTemporaryDir dir;
    Ref<Main> window;
    std::string jpeg;
};

TEST_F(IntakeTest, DroppedJpegFillsEachCanvasWithAStretchedPreview) {
    for (const CoverRow* cover : {&covers::kCdFront, &covers::kCdBack, &covers::kDvd}) {
        SCOPED_TRACE(cover->title);
        ASSERT_TRUE(DropFiles(*cover, {jpeg}));
        const Ref<Picture>& preview = window.get()->*cover->preview;
        ASSERT_TRUE(preview);
        auto canvas = window->Control<Canvas>(cover->canvas);
        EXPECT_EQ(preview->Width(), canvas->Width());
        EXPECT_EQ(preview->Height(), canvas->Height());
        EXPECT_EQ(preview->Depth(), 32);
        const int w = preview->Width(), h = preview->Height();
        EXPECT_TRUE(Near(PreviewPixel(*cover, 3, 3), Qt::red));
        EXPECT_TRUE(Near(PreviewPixel(*cover, w - 4, 3), Qt::green));
        EXPECT_TRUE(Near(PreviewPixel(*cover, 3, h - 4), Qt::blue));
        EXPECT_TRUE(Near(PreviewPixel(*cover, w - 4, h - 4), Qt::yellow));
        EXPECT_TRUE(Near(PreviewPixel(*cover, w / 2 - 8, h / 2 - 8), Qt::red)) << "stretched, not centred";
        EXPECT_EQ(window.get()->*cover->path, jpeg);
        EXPECT_EQ(NameLabel(*cover), "photo.jpg");
        EXPECT_FALSE(HintVisible(*cover));
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(IntakeTest, CanvasTakesJpegAndBmpFilesButRefusesPngAtTheDrag) {
    EXPECT_TRUE(DropFiles(covers::kCdBack, {WriteQuadrants(dir, "scan.BMP", "BMP")}));
    EXPECT_EQ(NameLabel(covers::kCdBack), "scan.BMP");
    EXPECT_TRUE(DropFiles(covers::kCdBack, {WriteQuadrants(dir, "upper.JPEG", "JPEG")}));
    EXPECT_EQ(NameLabel(covers::kCdBack), "upper.JPEG");
    EXPECT_FALSE(DropFiles(covers::kCdBack, {WriteQuadrants(dir, "drawing.png", "PNG")}));
    EXPECT_EQ(NameLabel(covers::kCdBack), "upper.JPEG");
    // Only the first of several files counts, for accepting and for loading.
    EXPECT_FALSE(DropFiles(covers::kCdBack, {WriteQuadrants(dir, "first.png", "PNG"), jpeg}));
    EXPECT_TRUE(DropFiles(covers::kCdBack, {jpeg, WriteQuadrants(dir, "second.bmp", "BMP")}));
    EXPECT_EQ(NameLabel(covers::kCdBack), "photo.jpg");
}

TEST_F(IntakeTest, PictureDataWithoutAFileIsReportedAndChangesNothing) {
    QMimeData data;
    data.setImageData(Quadrants(10, 10));
    EXPECT_TRUE(Drag(covers::kDvd, data)) << "picture data is taken at the drag";
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("no file"), std::string::npos) << reports[0];
    EXPECT_TRUE(HintVisible(covers::kDvd));
    EXPECT_EQ(window->picdvd, nullptr);
    EXPECT_EQ(window->filenaamDVD, "");
    EXPECT_EQ(NameLabel(covers::kDvd), "");
}

TEST_F(IntakeTest, AFileThatIsNoPictureLeavesALoadedCoverAsItWas) {
    ASSERT_TRUE(DropFiles(covers::kCdFront, {jpeg}));
    const Ref<Picture> before = window->piccdFront;
    const std::string text = WriteBytes(dir, "notes.jpg", "these are not the pixels you are looking for");
    const std::string cut = WriteBytes(dir, "cut.jpg", QByteArray::fromHex("ffd8ffe000104a464946"));
    for (const std::string& bad : {text, cut}) {
        reports.clear();
        EXPECT_TRUE(DropFiles(covers::kCdFront, {bad}));
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find(QFileInfo(QString::fromStdString(bad)).fileName().toStdString()),
                  std::string::npos);
        EXPECT_EQ(window->piccdFront, before);
        EXPECT_EQ(window->filenaamCDFront, jpeg);
        EXPECT_EQ(NameLabel(covers::kCdFront), "photo.jpg");
        EXPECT_FALSE(HintVisible(covers::kCdFront));
    }
    // On an empty cover the hint stays.
    EXPECT_TRUE(DropFiles(covers::kCdBack, {text}));
    EXPECT_TRUE(HintVisible(covers::kCdBack));
    EXPECT_EQ(window->piccdBack, nullptr);
}

TEST_F(IntakeTest, ASecondDropReplacesATurnedPreviewAndLeavesTheOtherCoversAlone) {
    ASSERT_TRUE(DropFiles(covers::kCdBack, {jpeg}));
    window->Control<PushButton>(covers::kCdBack.rotateButton)->Push();
    ASSERT_EQ(window->piccdBack->Width(), 240);
    const std::string other = WriteQuadrants(dir, "other.bmp", "BMP", 20, 20);
    ASSERT_TRUE(DropFiles(covers::kCdBack, {other}));
    EXPECT_EQ(window->piccdBack->Width(), 329) << "a fresh, unturned preview";
    EXPECT_EQ(window->filenaamCDBack, other);
    EXPECT_EQ(NameLabel(covers::kCdBack), "other.bmp");
    EXPECT_EQ(window->piccdFront, nullptr);
    EXPECT_EQ(window->picdvd, nullptr);
    EXPECT_TRUE(HintVisible(covers::kCdFront));
    EXPECT_EQ(window->Control<TabPanel>("TabPanel1")->Value(), 0);
}

}  // namespace
