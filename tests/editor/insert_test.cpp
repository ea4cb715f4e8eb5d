#include "editor/insert.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include "editor/intake.h"
#include "framework/drag_item.h"
#include "framework/file_dialog.h"
#include "framework/picture.h"
#include "framework/real_dialogs.h"
#include "support.h"

namespace {

class InsertTest : public FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        QImage image(60, 20, QImage::Format_RGB32);  // red left half, blue right half
        image.fill(Qt::red);
        for (int y = 0; y < 20; ++y)
            for (int x = 30; x < 60; ++x) image.setPixelColor(x, y, Qt::blue);
        ASSERT_TRUE(image.save(Path("cover.jpg"), "JPEG", 100));
        ASSERT_TRUE(image.save(Path("cover.bmp"), "BMP"));
        QFile notes(Path("notes.jpg"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("this is no picture");
        notes.close();
        main = Main::Instance();
        // The dialog "chooses" whatever `chosen` names, and notes what it was asked for.
        Services().openFileDialog = [this](const std::string& types) {
            askedFor = types;
            pageWhileAsking = main->Control<TabPanel>("TabPanel1")->Value();
            return chosen.empty() ? nullptr : GetFolderItem(Path(chosen.c_str()).toStdString());
        };
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void Choose(const CoverRow& cover) {
        MenuBar1::Instance()->Lookup(cover.insertItem)->Action()->trigger();
    }
    bool HintShown(const CoverRow& cover) { return main->Control<StaticText>(cover.hintLabel)->Visible(); }
    void Drop(const CoverRow& cover, const char* name) {
        intake::Drop(*main, cover, std::make_shared<DragItem>(GetFolderItem(Path(name).toStdString())));
    }

    QTemporaryDir dir;
    Ref<Main> main;
    std::string chosen, askedFor;
    int32_t pageWhileAsking = -1;
};

TEST_F(InsertTest, EachItemBringsItsPageForwardAndLoadsTheFileAsADropDoes) {
    for (const CoverRow* cover : {&covers::kCdFront, &covers::kCdBack, &covers::kDvd}) {
        SCOPED_TRACE(cover->title);
        chosen = cover == &covers::kCdFront ? "cover.jpg" : "cover.bmp";
        main->Control<TabPanel>("TabPanel1")->Value(1 - cover->page);
        Choose(*cover);
        EXPECT_EQ(askedFor, "image/gif;image/jpeg;image/x-pict");
        EXPECT_EQ(pageWhileAsking, cover->page) << "the page comes forward before the dialog opens";
        EXPECT_EQ(main->Control<TabPanel>("TabPanel1")->Value(), cover->page);
        EXPECT_FALSE(HintShown(*cover));
        EXPECT_EQ((*main).*cover->path, Path(chosen.c_str()).toStdString());
        EXPECT_EQ(main->Control<StaticText>(cover->nameLabel)->Text(), chosen);

        // The whole picture fills the whole canvas-sized preview, aspect ratio not kept.
        auto canvas = main->Control<Canvas>(cover->canvas);
        const Ref<Picture> inserted = (*main).*cover->preview;
        ASSERT_TRUE(inserted);
        EXPECT_EQ(inserted->Width(), canvas->Width());
        EXPECT_EQ(inserted->Height(), canvas->Height());
        EXPECT_EQ(inserted->Depth(), 32);
        const QImage image = inserted->Image();
        EXPECT_LT(qAbs(image.pixelColor(canvas->Width() / 4, canvas->Height() - 1).red() - 255), 8);
        EXPECT_LT(qAbs(image.pixelColor(canvas->Width() * 3 / 4, 0).blue() - 255), 8);

        // A turned preview is replaced by an unturned one, exactly what a drop of the file gives.
        main->Control<PushButton>(cover->rotateButton)->Push();
        Choose(*cover);
        EXPECT_EQ(((*main).*cover->preview)->Image(), image);
        Drop(*cover, chosen.c_str());
        EXPECT_EQ(((*main).*cover->preview)->Image(), image);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(InsertTest, CancelGivesTheHintItsVisibilityBackAndChangesNothingElse) {
    // An empty cover: only its page has come forward.
    Choose(covers::kDvd);
    EXPECT_EQ(main->Control<TabPanel>("TabPanel1")->Value(), 1);
    EXPECT_TRUE(HintShown(covers::kDvd));
    EXPECT_TRUE(main->filenaamDVD.empty());
    EXPECT_EQ(main->picdvd, nullptr);

    // A loaded cover keeps its picture with no hint over it.
    Drop(covers::kCdBack, "cover.bmp");
    const Ref<Picture> preview = main->piccdBack;
    Choose(covers::kCdBack);
    EXPECT_EQ(main->Control<TabPanel>("TabPanel1")->Value(), 0);
    EXPECT_FALSE(HintShown(covers::kCdBack));
    EXPECT_EQ(main->piccdBack, preview);
    EXPECT_EQ(main->filenaamCDBack, Path("cover.bmp").toStdString());
    EXPECT_EQ(main->Control<StaticText>("naamCDBack")->Text(), "cover.bmp");
    EXPECT_TRUE(reports.empty());
}

TEST_F(InsertTest, AChosenFileThatIsNoPictureIsReportedByNameAndChangesNothing) {
    chosen = "notes.jpg";
    Choose(covers::kCdFront);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("notes.jpg"), std::string::npos) << reports[0];
    EXPECT_TRUE(HintShown(covers::kCdFront));
    EXPECT_TRUE(main->filenaamCDFront.empty());

    Drop(covers::kDvd, "cover.jpg");
    const Ref<Picture> preview = main->picdvd;
    main->Control<TabPanel>("TabPanel1")->Value(0);
    Choose(covers::kDvd);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(main->Control<TabPanel>("TabPanel1")->Value(), 1);
    EXPECT_FALSE(HintShown(covers::kDvd));
    EXPECT_EQ(main->picdvd, preview);
    EXPECT_EQ(main->filenaamDVD, Path("cover.jpg").toStdString());
    EXPECT_EQ(main->Control<StaticText>("naamDVD")->Text(), "cover.jpg");
    EXPECT_TRUE(main->IsOpen());
}

TEST(OpenDialogFilters, OfferTheKnownTypesInOrderThenAllFiles) {
    const auto filters = OpenDialogFilters(insert::kDialogTypes);
    ASSERT_EQ(filters.size(), 4u);
    EXPECT_NE(filters[0].find("*.gif"), std::string::npos) << filters[0];
    EXPECT_NE(filters[1].find("*.jpg"), std::string::npos) << filters[1];
    EXPECT_NE(filters[2].find("*.pct"), std::string::npos) << filters[2];
    EXPECT_EQ(filters[3], "All files (*)");
    EXPECT_EQ(OpenDialogFilters("image/no-such-type;;image/gif").size(), 2u) << "unknown names are skipped";
}

TEST_F(InsertTest, TheRealDialogOffersTheTypesAndGivesTheChosenFileOrNil) {
    QStringList offered;
    auto answer = [&](bool choose) {
        QTimer::singleShot(0, [&, choose] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            offered = dialog->nameFilters();
            if (!choose) return dialog->reject();
            dialog->selectFile(Path("cover.bmp"));
            static_cast<QDialog*>(dialog)->accept();
        });
    };
    answer(false);
    EXPECT_EQ(ShowOpenFileDialog(insert::kDialogTypes), nullptr);
    EXPECT_EQ(offered.size(), 4);
    answer(true);
    Ref<FolderItem> file = ShowOpenFileDialog(insert::kDialogTypes);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->AbsolutePath(), Path("cover.bmp").toStdString());
}

}  // namespace
