// Pictures taken in by the canvases: drags and drops of files, the previews they make, how the canvases
// paint them and how Rotate turns them.
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "cover_support.h"
#include "framework/graphics.h"

namespace {

class IntakeTest : public CoverTest {
  protected:
    void SetUp() override {
        CoverTest::SetUp();
        FileTypes1::Initialize();
        jpeg = WriteQuadrants(dir, "photo.jpg", "JPEG");
    }

    // Drags `data` onto the canvas as a file manager would; true when the canvas accepted the drag.
    bool Drag(const CoverRow& cover, QMimeData& data) {
        QWidget* canvas = main->Control<Canvas>(cover.canvas)->Widget();
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
        return QColor::fromRgb(Preview(cover)->Graphics()->Pixel(x, y).value);
    }
    // The canvas as it paints itself, its page brought forward.
    QImage Shot(const CoverRow& cover) {
        SetPage(cover.page);
        return main->Control<Canvas>(cover.canvas)->Widget()->grab().toImage();
    }

    std::string jpeg;
};

TEST_F(IntakeTest, ADroppedJpegFillsEachCanvasWithAStretchedPreviewThatTurnsAndPaintsOverTheFrame) {
    for (const CoverRow* cover : kCovers) {
        SCOPED_TRACE(cover->title);
        // Empty: Rotate does nothing, and the canvas shows a black frame along its edges.
        Push(cover->rotateButton);
        EXPECT_EQ(Preview(*cover), nullptr);
        QImage shot = Shot(*cover);
        const int w = shot.width(), h = shot.height();
        for (QPoint p : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)})
            EXPECT_EQ(shot.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
        EXPECT_NE(shot.pixelColor(w / 2, h / 2), QColor(Qt::black));

        ASSERT_TRUE(DropFiles(*cover, {jpeg}));
        ASSERT_TRUE(Preview(*cover));
        auto canvas = main->Control<Canvas>(cover->canvas);
        EXPECT_EQ(std::tuple(Preview(*cover)->Width(), Preview(*cover)->Height(), Preview(*cover)->Depth()),
                  std::tuple(canvas->Width(), canvas->Height(), 32));
        EXPECT_TRUE(Near(PreviewPixel(*cover, 3, 3), Qt::red));
        EXPECT_TRUE(Near(PreviewPixel(*cover, w - 4, 3), Qt::green));
        EXPECT_TRUE(Near(PreviewPixel(*cover, 3, h - 4), Qt::blue));
        EXPECT_TRUE(Near(PreviewPixel(*cover, w - 4, h - 4), Qt::yellow));
        EXPECT_TRUE(Near(PreviewPixel(*cover, w / 2 - 8, h / 2 - 8), Qt::red)) << "stretched, not centred";
        EXPECT_EQ(FileOf(*cover), jpeg);
        EXPECT_EQ(NameLabel(*cover), "photo.jpg");
        EXPECT_FALSE(HintShown(*cover));
        shot = Shot(*cover);
        EXPECT_TRUE(Near(shot.pixelColor(0, 0), Qt::red)) << "the preview lies over the frame";
        EXPECT_TRUE(Near(shot.pixelColor(w - 1, h - 1), Qt::yellow));

        // Each turn swaps the preview's sides; four give it back, and the file stays.
        const QImage original = Preview(*cover)->Image();
        for (int turn = 1; turn <= 4; ++turn) {
            Push(cover->rotateButton);
            EXPECT_EQ(std::pair(Preview(*cover)->Width(), Preview(*cover)->Height()),
                      turn % 2 ? std::pair(h, w) : std::pair(w, h));
        }
        EXPECT_EQ(Preview(*cover)->Image(), original);
        EXPECT_EQ(FileOf(*cover), jpeg);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(IntakeTest, ATurnedPreviewLeavesTheFrameShowingBesideIt) {
    Load(Main::kCdBack, WriteQuadrants(dir, "q.bmp", "BMP", 60, 40));
    Push("btnRotateCdBack");
    const QImage shot = Shot(Main::kCdBack);
    // Turned clockwise: the picture's bottom-left (blue) is now top-left; its lower part hangs below.
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(239, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(328, 120), QColor(Qt::black)) << "the frame shows in the strip on the right";
    EXPECT_EQ(shot.pixelColor(300, 0), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(300, 120), QColor(Qt::black));
}

TEST_F(IntakeTest, CanvasTakesJpegAndBmpFilesButRefusesPngAtTheDrag) {
    EXPECT_TRUE(DropFiles(Main::kCdBack, {WriteQuadrants(dir, "scan.BMP", "BMP")}));
    EXPECT_EQ(NameLabel(Main::kCdBack), "scan.BMP");
    EXPECT_TRUE(DropFiles(Main::kCdBack, {WriteQuadrants(dir, "upper.JPEG", "JPEG")}));
    EXPECT_EQ(NameLabel(Main::kCdBack), "upper.JPEG");
    EXPECT_FALSE(DropFiles(Main::kCdBack, {WriteQuadrants(dir, "drawing.png", "PNG")}));
    EXPECT_EQ(NameLabel(Main::kCdBack), "upper.JPEG");
    // Only the first of several files counts, for accepting and for loading.
    EXPECT_FALSE(DropFiles(Main::kCdBack, {WriteQuadrants(dir, "first.png", "PNG"), jpeg}));
    EXPECT_TRUE(DropFiles(Main::kCdBack, {jpeg, WriteQuadrants(dir, "second.bmp", "BMP")}));
    EXPECT_EQ(NameLabel(Main::kCdBack), "photo.jpg");
}

TEST_F(IntakeTest, PictureDataWithoutAFileOrAFileThatIsNoPictureIsReportedAndChangesNothing) {
    // A PNG file dragged with its picture data.
    QMimeData data;
    data.setImageData(Quadrants(10, 10));
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(WriteQuadrants(dir, "drawn.png", "PNG")))});
    EXPECT_TRUE(Drag(Main::kDvd, data)) << "picture data is taken at the drag";
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("JPEG and BMP files only: PNG files"), std::string::npos) << reports[0];
    EXPECT_TRUE(HintShown(Main::kDvd));
    EXPECT_EQ(main->Preview(Main::kDvd), nullptr);
    EXPECT_EQ(main->filenaamDVD + NameLabel(Main::kDvd), "");

    ASSERT_TRUE(DropFiles(Main::kCdFront, {jpeg}));
    const Ref<Picture> before = main->Preview(Main::kCdFront);
    const std::string text = WriteBytes(dir, "notes.jpg", "these are not the pixels you are looking for");
    const std::string cut = WriteBytes(dir, "cut.jpg", QByteArray::fromHex("ffd8ffe000104a464946"));
    for (const char* bad : {"notes.jpg", "cut.jpg"}) {
        reports.clear();
        EXPECT_TRUE(DropFiles(Main::kCdFront, {File(bad)}));
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find(bad), std::string::npos) << reports[0];
        EXPECT_EQ(main->Preview(Main::kCdFront), before);
        EXPECT_EQ(main->filenaamCDFront, jpeg);
        EXPECT_EQ(NameLabel(Main::kCdFront), "photo.jpg");
        EXPECT_FALSE(HintShown(Main::kCdFront));
    }
    // On an empty cover the hint stays.
    EXPECT_TRUE(DropFiles(Main::kCdBack, {text}));
    EXPECT_TRUE(HintShown(Main::kCdBack));
    EXPECT_EQ(main->Preview(Main::kCdBack), nullptr);
}

TEST_F(IntakeTest, ASecondDropReplacesATurnedPreviewAndLeavesTheOtherCoversAlone) {
    ASSERT_TRUE(DropFiles(Main::kCdBack, {jpeg}));
    Push(Main::kCdBack.rotateButton);
    ASSERT_EQ(main->Preview(Main::kCdBack)->Width(), 240);
    const std::string other = WriteQuadrants(dir, "other.bmp", "BMP", 20, 20);
    ASSERT_TRUE(DropFiles(Main::kCdBack, {other}));
    EXPECT_EQ(main->Preview(Main::kCdBack)->Width(), 329) << "a fresh, unturned preview";
    EXPECT_EQ(main->filenaamCDBack, other);
    EXPECT_EQ(NameLabel(Main::kCdBack), "other.bmp");
    EXPECT_EQ(main->Preview(Main::kCdFront), nullptr);
    EXPECT_EQ(main->Preview(Main::kDvd), nullptr);
    EXPECT_TRUE(HintShown(Main::kCdFront));
    EXPECT_EQ(Page(), 0);
}

}  // namespace
