// Pictures taken in by the canvases: drags and drops of files, the previews they make, how the canvases
// paint them and how Rotate turns them.
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QImageWriter>
#include <QLabel>
#include <QMimeData>
#include <QSysInfo>
#include <QUrl>

#include "cover_support.h"

namespace {

class IntakeTest : public CoverTest {
  protected:
    void SetUp() override {
        CoverTest::SetUp();
        FileTypes1::Initialize();
        jpeg = WriteQuadrants(dir, "photo.jpg", "JPEG");
    }

    // Drags `urls`, and the data of `picture` unless it is null, onto the canvas as a file manager would;
    // true when the canvas took the drop.
    bool Drag(const CoverRow& cover, const QList<QUrl>& urls, const QImage& picture = {}) {
        QMimeData data;
        data.setUrls(urls);
        if (!picture.isNull()) data.setImageData(picture);
        QWidget* canvas = main->Control<Canvas>(cover.canvas)->Widget();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &drop);
        return drop.isAccepted();
    }
    bool DropFiles(const CoverRow& cover, const std::vector<std::string>& paths) {
        QList<QUrl> urls;
        for (const auto& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
        return Drag(cover, urls);
    }
    // The canvas as it paints itself, its page brought forward.
    QImage Shot(const CoverRow& cover) {
        SetPage(cover.page);
        return main->Control<Canvas>(cover.canvas)->Widget()->grab().toImage();
    }

    std::string jpeg;
};

// The colours of `image` at `points`, each named as the one of these it is Near(), else "other".
std::string Colours(const QImage& image, std::initializer_list<QPoint> points) {
    const QColor colours[] = {Qt::black, Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::white};
    const char* const names[] = {"black", "red", "green", "blue", "yellow", "white"};
    std::string text;
    for (QPoint p : points) {
        int i = 0;
        while (i < 6 && !Near(image.pixelColor(p), colours[i])) ++i;
        text += i < 6 ? names[i] + std::string(" ") : "other ";
    }
    return text;
}

TEST_F(IntakeTest, ADroppedJpegFillsEachCanvasWithAStretchedPreviewThatTurnsAndPaintsOverTheFrame) {
    for (const CoverRow* cover : kCovers) {
        SCOPED_TRACE(cover->title);
        // Empty: Rotate does nothing, and the canvas shows a black frame along its edges.
        Push(cover->rotateButton);
        EXPECT_EQ(State(*cover), "||hint|0");
        const QImage empty = Shot(*cover);
        const int w = empty.width(), h = empty.height();
        EXPECT_EQ(Colours(empty, {{0, h / 2}, {w - 1, h / 2}, {w / 2, 0}, {w / 2, h - 1}, {2, h / 2}}),
                  "black black black black white ");

        ASSERT_TRUE(DropFiles(*cover, {jpeg}) && Preview(*cover));
        const QImage preview = Preview(*cover)->Image();
        EXPECT_EQ(std::tuple(preview.width(), preview.height(), Preview(*cover)->Depth()),
                  std::tuple(w, h, 32));
        // Stretched, not centred: the quadrants reach the corners and meet in the middle.
        EXPECT_EQ(Colours(preview, {{3, 3}, {w - 4, 3}, {3, h - 4}, {w - 4, h - 4}, {w / 2 - 8, h / 2 - 8}}),
                  "red green blue yellow red ");
        EXPECT_EQ(FileOf(*cover) + " " + NameLabel(*cover), jpeg + " photo.jpg");
        EXPECT_FALSE(HintShown(*cover));
        EXPECT_EQ(Colours(Shot(*cover), {{0, 0}, {w - 1, h - 1}}), "red yellow ") << "painted over the frame";

        // Each turn swaps the preview's sides; four give it back, and the file stays.
        for (int turn = 1; turn <= 4; ++turn) {
            Push(cover->rotateButton);
            EXPECT_EQ(Preview(*cover)->Width(), turn % 2 ? h : w);
        }
        EXPECT_EQ(Preview(*cover)->Image(), preview);
        EXPECT_EQ(FileOf(*cover), jpeg);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(IntakeTest, ATurnedPreviewLeavesTheFrameShowingBesideIt) {
    Load(Main::kCdBack, WriteQuadrants(dir, "q.bmp", "BMP", 60, 40));
    Push("btnRotateCdBack");
    // Turned clockwise: the picture's bottom-left (blue) is now top-left; its lower part hangs below, and
    // the frame shows in the strip on the right.
    EXPECT_EQ(Colours(Shot(Main::kCdBack), {{0, 0}, {239, 0}, {328, 120}, {300, 0}, {300, 120}}),
              "blue red black black white ");
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
    const QUrl png = QUrl::fromLocalFile(QString::fromStdString(WriteQuadrants(dir, "drawn.png", "PNG")));
    EXPECT_TRUE(Drag(Main::kDvd, {png}, Quadrants(10, 10))) << "picture data is taken at the drag";
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("JPEG and BMP files only: PNG files"), std::string::npos) << reports[0];
    EXPECT_EQ(State(Main::kDvd), "||hint|0");

    ASSERT_TRUE(DropFiles(Main::kCdFront, {jpeg}));
    const std::string before = State(Main::kCdFront);
    WriteBytes(dir, "notes.jpg", "these are not the pixels you are looking for");
    WriteBytes(dir, "cut.jpg", QByteArray::fromHex("ffd8ffe000104a464946"));
    for (const char* bad : {"notes.jpg", "cut.jpg"}) {
        reports.clear();
        EXPECT_TRUE(DropFiles(Main::kCdFront, {File(bad)}));
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find(bad), std::string::npos) << reports[0];
        EXPECT_EQ(State(Main::kCdFront), before);
    }
    // On an empty cover the hint stays.
    EXPECT_TRUE(DropFiles(Main::kCdBack, {File("notes.jpg")}));
    EXPECT_EQ(State(Main::kCdBack), "||hint|0");
}

TEST_F(IntakeTest, HostileFilesAreRefusedByNameWithTheirTrueReasonAndOddNamesLoad) {
    std::string deep = File("");
    for (int i = 0; i < 21; ++i) deep += std::string(200, 'd') + "/";
    ASSERT_TRUE(mkfifo(File("still.jpg").c_str(), 0600) == 0 &&
                symlink("loop.jpg", File("loop.jpg").c_str()) == 0 && mkdir(File("locked").c_str(), 0) == 0);
    // A 12000 x 12000 PNG of 16 bits a channel: its header alone, which is all a refusal may read.
    WriteBytes(dir, "huge.png",
               QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200002ee000002ee0100600000001d550b2"
                                   "000000004944415435af061e0000000049454e44ae426082"));
    // Progressive photos as libjpeg writes them, in 6 scans in grey and 10 in 4:2:0 colour, the last a
    // refinement of luma's AC band. Made of many segments, or with that scan repeated past what the
    // picture's own blocks allow (though not past what three components of luma's size would), they would
    // hold the decoder for long.
    const auto layers = [&](const QImage& image, int repeats) {
        QImageWriter writer(dir.filePath("written.jpg"), "jpeg");
        writer.setProgressiveScanWrite(true);
        QFile file(writer.fileName());
        EXPECT_TRUE(writer.write(image) && file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        const qsizetype last = bytes.lastIndexOf("\xff\xda");
        return bytes.insert(last, bytes.sliced(last, bytes.size() - 2 - last).repeated(repeats));
    };
    const QByteArray layered = layers(Quadrants(100, 50).convertToFormat(QImage::Format_Grayscale8), 0);
    const QString progressive = QString::fromStdString(WriteBytes(dir, "layers.jpg", layered));
    WriteBytes(dir, "comments.jpg",
               QByteArray(layered).insert(2, QByteArray::fromHex("fffe0002").repeated(1000)));
    WriteBytes(dir, "scans.jpg", layers(Quadrants(256, 256), 20));
    // A phone's motion photo, whose video follows the picture: flat grey 4:2:0 with a restart after each of
    // its 1600 MCUs, which Huffman tables of one one-bit code each make zero in two bytes.
    QByteArray motion = QByteArray::fromHex(
        "ffd8ffdb004300" + QByteArray("01").repeated(64) +
        "ffc00011080280028003012200021100031100"
        "ffc40014000100000000000000000000000000000000ffc40014100100000000000000000000000000000000"
        "ffdd00040001ffda000c03010002000300003f00");
    for (int i = 0; i < 1600; ++i) motion += QByteArray(2, 0) + "\xff" + char(i < 1599 ? 0xd0 + i % 8 : 0xd9);
    WriteBytes(dir, "motion.jpg",
               motion + QByteArray::fromHex("00000018667479706d703432" +
                                            QByteArray("ffda000801010000003ffffe0002").repeated(600)));
    const struct {
        std::string path, named, why;
    } cases[] = {{File("still.jpg"), "still.jpg", "FIFO"},
                 {"/dev/zero", "zero", "device"},
                 {File("loop.jpg"), "loop.jpg", "loop of symbolic links"},
                 {File("locked/in.jpg"), "in.jpg", geteuid() == 0 ? "does not exist" : "may not be searched"},
                 {deep + "deep.jpg", "deep.jpg", "too long"},
                 {File("huge.png"), "huge.png", "too large"},
                 {File("comments.jpg"), "comments.jpg", "more segments than any photo (over 1000)"},
                 {File("scans.jpg"), "scans.jpg", "more scans than any photo of its size"},
                 {File("\u2028\u2029\u202A\u202Eevil\u2069\n\u0085\x7f.jpg"),
                  "%E2%80%A8%E2%80%A9%E2%80%AA%E2%80%AEevil%E2%81%A9%0A%C2%85%7F.jpg", "does not exist"}};
    for (const auto& c : cases) {
        const std::string why = Refusal([&] { Load(Main::kDvd, c.path); });
        // Names and paths sit in isolates that nothing in them can close early.
        EXPECT_TRUE(Contains(why, "\"\u2068" + c.named + "\u2069\"") && Contains(why, c.why) &&
                    Contains(why, "(\u2068/") && why.ends_with(c.named + "\u2069)"))
            << why;
    }
    // A progressive photo cut short whose rest reads as zeros for 4 GiB is shown: its decoder looks
    // through the zeros for the next scan until the bound on what it may read ends the file.
    ASSERT_TRUE(QFile::resize(progressive, layered.size() - 2) &&
                QFile::resize(progressive, int64_t(4) << 30));
    const auto bytesRead = [] {  // by this process so far
        QFile io("/proc/self/io");
        return io.open(QIODevice::ReadOnly) ? io.readAll().split('\n').at(0).split(' ').last().toLongLong()
                                            : 0;
    };
    Load(Main::kDvd, File("motion.jpg"));  // a refusal would throw
    const qint64 before = bytesRead();
    Load(Main::kDvd, File("layers.jpg"));
    EXPECT_EQ(FileOf(Main::kDvd), File("layers.jpg"));
    EXPECT_LT(bytesRead() - before, qint64(1) << 30);

    // Names that are markup or no valid UTF-8 load and show as they are, also from file URIs naming
    // this machine; another machine's are refused at the drag, and a NUL in a URI is named.
    const std::string markup = WriteImage(dir, "<h1>Big & bold.jpg", Quadrants(10, 10), "JPEG");
    const std::string cafe = dir.path().toStdString() + "/caf\xe9.jpg";
    ASSERT_EQ(::rename(WriteQuadrants(dir, "x", "JPEG").c_str(), cafe.c_str()), 0);
    const QString folder = QUrl::fromLocalFile(dir.path()).path(QUrl::FullyEncoded);
    const std::pair<QString, std::string> uris[] = {
        {"file://localhost" + folder + "/%3Ch1%3EBig%20&%20bold.jpg", markup},
        {"file://" + QSysInfo::machineHostName() + folder + "/caf%E9.jpg", cafe}};
    for (const auto& [uri, path] : uris) {
        ASSERT_TRUE(Drag(Main::kCdFront, {QUrl(uri)})) << uri.toStdString();
        EXPECT_EQ(FileOf(Main::kCdFront), path);
        EXPECT_EQ(NameLabel(Main::kCdFront), FolderItem(path).Name());
    }
    EXPECT_EQ(static_cast<QLabel*>(main->Control<StaticText>("naamCDFront")->Widget())->textFormat(),
              Qt::PlainText);
    EXPECT_FALSE(Drag(Main::kCdBack, {QUrl("file://elsewhere.example" + folder + "/caf%E9.jpg")}));
    ASSERT_TRUE(Drag(Main::kCdBack, {QUrl("file://" + folder + "/a%00b.jpg")}));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("a%00b.jpg"), std::string::npos) << reports[0];
    ::unlink(cafe.c_str());  // a name Qt cannot spell, so the folder's removal would miss it
}

}  // namespace
