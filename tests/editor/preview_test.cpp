#include "editor/preview.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

#include "editor/intake.h"
#include "framework/picture.h"
#include "picture_files.h"
#include "support.h"

namespace {

class PreviewTest : public FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        window = Main::Instance();
    }
    void Load(const CoverRow& cover) {
        intake::LoadCover(*window, cover, GetFolderItem(WriteQuadrants(dir, "q.bmp", "BMP", 60, 40)));
    }
    QImage Shot(const CoverRow& cover) {
        window->Control<TabPanel>("TabPanel1")->Value(cover.page);
        return window->Control<Canvas>(cover.canvas)->Widget()->grab().toImage();
    }

    QTemporaryDir dir;
    Ref<Main> window;
};

TEST_F(PreviewTest, AnEmptyCanvasShowsABlackFrameAlongItsEdgesAndRotateKeepsItEmpty) {
    for (const CoverRow* cover : {&covers::kCdFront, &covers::kCdBack, &covers::kDvd}) {
        SCOPED_TRACE(cover->title);
        window->Control<PushButton>(cover->rotateButton)->Push();
        EXPECT_EQ(window.get()->*cover->preview, nullptr);
        const QImage shot = Shot(*cover);
        const int w = shot.width(), h = shot.height();
        for (QPoint p : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)})
            EXPECT_EQ(shot.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
        EXPECT_NE(shot.pixelColor(w / 2, h / 2), QColor(Qt::black));
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(PreviewTest, APreviewHidesTheFrameAndATurnedOneLeavesAStripOnTheRight) {
    Load(covers::kCdBack);
    QImage shot = Shot(covers::kCdBack);
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red)) << "the preview lies over the frame";
    EXPECT_EQ(shot.pixelColor(328, 239), QColor(Qt::yellow));

    window->Control<PushButton>("btnRotateCdBack")->Push();
    ASSERT_EQ(window->piccdBack->Width(), 240);
    ASSERT_EQ(window->piccdBack->Height(), 329);
    shot = Shot(covers::kCdBack);
    // Turned clockwise: the picture's bottom-left (blue) is now top-left; its lower part hangs below.
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(239, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(328, 120), QColor(Qt::black)) << "the frame shows in the strip on the right";
    EXPECT_EQ(shot.pixelColor(300, 0), QColor(Qt::black));
    EXPECT_NE(shot.pixelColor(300, 120), QColor(Qt::black));
}

TEST_F(PreviewTest, TurnsSwapEachPreviewsSidesAndFourTurnsGiveItBack) {
    const struct {
        const CoverRow* cover;
        int width, height;
    } sizes[] = {{&covers::kCdFront, 240, 240}, {&covers::kCdBack, 329, 240}, {&covers::kDvd, 467, 313}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.cover->title);
        Load(*s.cover);
        const QImage original = (window.get()->*s.cover->preview)->Image();
        const std::string path = window.get()->*s.cover->path;
        for (int turn = 1; turn <= 4; ++turn) {
            window->Control<PushButton>(s.cover->rotateButton)->Push();
            const Ref<Picture>& preview = window.get()->*s.cover->preview;
            EXPECT_EQ(preview->Width(), turn % 2 ? s.height : s.width);
            EXPECT_EQ(preview->Height(), turn % 2 ? s.width : s.height);
        }
        EXPECT_EQ((window.get()->*s.cover->preview)->Image(), original);
        EXPECT_EQ(window.get()->*s.cover->path, path) << "turning leaves the file alone";
    }
}

}  // namespace
