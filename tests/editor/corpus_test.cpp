// Every file of the shared picture corpus through cover intake and printing: it loads and prints, or it
// is refused with a reason that names it, and a refusal changes nothing. CI runs these under memcheck.
#include <QDirIterator>
#include <QFileInfo>

#include "cover_support.h"
#include "framework/printer_page.h"
#include "framework/printing.h"

namespace {

const QString kCorpus = QStringLiteral(KAVRELLO_SOURCE_DIR "/../shared/corpus");

class CorpusTest : public CoverTest {
  protected:
    void SetUp() override {
        CoverTest::SetUp();
        if (!QFileInfo(kCorpus).isDir()) GTEST_SKIP() << "no picture corpus at " << kCorpus.toStdString();
        Services().printDialog = [this](const Ref<PrinterSetup>&) { return NewPdfPage(File("page.pdf")); };
    }
};

TEST_F(CorpusTest, EveryFileLoadsAndPrintsOrIsRefusedByNameWithTheCoverUnchanged) {
    int loaded = 0, refused = 0;
    QDirIterator files(kCorpus, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        if (file.suffix() == "tsv" || file.suffix() == "md" || file.suffix() == "sh") continue;
        SCOPED_TRACE(file.filePath().toStdString());
        const std::string path = file.absoluteFilePath().toStdString(), name = file.fileName().toStdString();
        // Decompression bombs: photos that claim more pixels than may be decoded.
        const bool bomb = Contains(name, "bomb") && file.suffix() == "jpg";
        const std::string before = State(Main::kDvd);
        try {
            Load(Main::kDvd, path);
            ++loaded;
            EXPECT_EQ(Preview(Main::kDvd)->Width(), 467);
            EXPECT_EQ(FileOf(Main::kDvd), path);
            EXPECT_FALSE(bomb);
            // Printed from the file: decoded in full, turned and written to a PDF file.
            reports.clear();
            Push(Main::kDvd.printButton);
            for (const std::string& report : reports) EXPECT_TRUE(Contains(report, name)) << report;
        } catch (const NilObjectException& refusal) {
            ++refused;
            const std::string why = refusal.what();
            EXPECT_TRUE(Contains(why, name) && (!bomb || Contains(why, "too large"))) << why;
            EXPECT_EQ(State(Main::kDvd), before);
        }
    }
    EXPECT_GT(loaded, 50);
    EXPECT_GT(refused, 10);
}

TEST_F(CorpusTest, PhotosStandUprightWhicheverOrientationTheyAreStoredIn) {
    // The same upright picture stored in four orientations gives the same preview, seen in 16 x 16 greys.
    auto previewOf = [&](const char* name) {
        Load(Main::kDvd, (kCorpus + "/jpeg/" + name).toStdString());
        return Preview(Main::kDvd)->Image().scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage upright = previewOf("exif-Landscape_1.jpg");
    for (const char* turned : {"exif-Landscape_3.jpg", "exif-Landscape_6.jpg", "exif-Landscape_8.jpg"}) {
        const QImage other = previewOf(turned);
        for (int i = 0; i < 256; ++i)
            ASSERT_NEAR(qGray(upright.pixel(i % 16, i / 16)), qGray(other.pixel(i % 16, i / 16)), 24)
                << turned;
    }
    auto sixth = FolderItem((kCorpus + "/jpeg/exif-Landscape_6.jpg").toStdString()).OpenAsPicture();
    ASSERT_TRUE(sixth);
    EXPECT_EQ(std::pair(sixth->Width(), sixth->Image().width()), std::pair(1800, 1800))
        << "the header and the full decode agree";
}

TEST_F(CorpusTest, APhotoSwappedBeforeItsPixelsAreReadIsRefusedByNameWithWhatChanged) {
    // For a top-down RLE BMP of its size that writes no pixel (its own decoder would leave them all unset),
    // a photo of another size, and one of 300 scans, whose structure is checked again when decoded.
    for (const auto& [other, change] : {std::pair("broken/hostile-rle8-topdown-unwritten.bmp", "it changed"),
                                        {"jpeg/pillow-hopper.jpg", "it changed size"},
                                        {"broken/hostile-jpeg-300-scans.jpg", "it has more scans"}}) {
        const QString photo = QString::fromStdString(WriteQuadrants(dir, "photo.jpg", "JPEG", 64, 48));
        const Ref<Picture> lazy = FolderItem(photo.toStdString()).OpenAsPicture();
        ASSERT_TRUE(QFile::remove(photo) && QFile::copy(kCorpus + "/" + other, photo));
        EXPECT_PRED2(Contains, Refusal([&] { lazy->Load(); }),
                     "photo.jpg\u2069\" cannot be used: " + std::string(change));
    }
}

}  // namespace
