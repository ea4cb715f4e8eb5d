#include "editor/insert.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
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
        QImage image(60, 20, QImage::Format_RGB32);  // red left half, blue right half
        image.fill(Qt::red);
        for (int x = 30; x < 60; ++x)
            for (int y = 0; y < 20; ++y) image.setPixelColor(x, y, Qt::blue);
        ASSERT_TRUE(image.save(Path("cover.jpg"), "JPEG", 100) && image.save(Path("cover.bmp"), "BMP"));
        QFile notes(Path("notes.jpg"));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write("no picture") > 0);
        notes.close();
        main = Main::Instance();
        // The dialog "chooses" `chosen` (nothing: cancel) and notes what it was asked for.
        Services().openFileDialog = [this](const std::string& types) {
            askedFor = types;
            pageWhileAsking = Page();
            return chosen ? GetFolderItem(Path(chosen).toStdString()) : nullptr;
        };
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    int32_t Page() const { return main->Control<TabPanel>("TabPanel1")->Value(); }
    bool HintShown(const CoverRow& cover) const {
        return main->Control<StaticText>(cover.hintLabel)->Visible();
    }
    void Choose(const CoverRow& cover) {
        MenuBar1::Instance()->Lookup(cover.insertItem)->Action()->trigger();
    }
    void Drop(const CoverRow& cover, const char* name) {
        intake::Drop(*main, cover, std::make_shared<DragItem>(GetFolderItem(Path(name).toStdString())));
    }

    QTemporaryDir dir;
    Ref<Main> main;
    const char* chosen = nullptr;
    std::string askedFor;
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
        EXPECT_EQ(Page(), cover->page);
        EXPECT_FALSE(HintShown(*cover));
        EXPECT_EQ((*main).*cover->path, Path(chosen).toStdString());
        EXPECT_EQ(main->Control<StaticText>(cover->nameLabel)->Text(), chosen);

        // The whole picture stretched over the whole canvas-sized preview.
        auto canvas = main->Control<Canvas>(cover->canvas);
        const QImage image = ((*main).*cover->preview)->Image();
        EXPECT_EQ(image.size(), QSize(canvas->Width(), canvas->Height()));
        EXPECT_EQ(((*main).*cover->preview)->Depth(), 32);
        EXPECT_GT(image.pixelColor(canvas->Width() / 4, canvas->Height() - 1).red(), 245);
        EXPECT_GT(image.pixelColor(canvas->Width() * 3 / 4, 0).blue(), 245);

        // A turned preview is replaced by an unturned one, just as a drop of the file makes it.
        main->Control<PushButton>(cover->rotateButton)->Push();
        Choose(*cover);
        EXPECT_EQ(((*main).*cover->preview)->Image(), image);
        Drop(*cover, chosen);
        EXPECT_EQ(((*main).*cover->preview)->Image(), image);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(InsertTest, CancelGivesTheHintItsVisibilityBackAndChangesNothingElse) {
    Choose(covers::kDvd);
    EXPECT_EQ(Page(), 1);
    EXPECT_TRUE(HintShown(covers::kDvd));
    EXPECT_TRUE(main->filenaamDVD.empty());
    EXPECT_EQ(main->picdvd, nullptr);

    Drop(covers::kCdBack, "cover.bmp");
    const Ref<Picture> preview = main->piccdBack;
    Choose(covers::kCdBack);
    EXPECT_EQ(Page(), 0);
    EXPECT_FALSE(HintShown(covers::kCdBack)) << "no hint over a loaded picture";
    EXPECT_EQ(main->piccdBack, preview);
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
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_EQ(Page(), 1);
    EXPECT_FALSE(HintShown(covers::kDvd));
    EXPECT_EQ(main->picdvd, preview);
    EXPECT_EQ(main->filenaamDVD, Path("cover.jpg").toStdString());
}

TEST_F(InsertTest, TheRealDialogOffersTheKnownTypesAndGivesTheChosenFileOrNil) {
    QStringList offered;
    // Answers the dialog once it is up: polled, and tried again on each tick until the dialog has closed,
    // since it may not take a file before it has settled; after 5 s it is cancelled, so that a fault fails
    // the test instead of hanging it.
    auto answer = [&](const char* name) {
        auto* timer = new QTimer;
        auto tries = std::make_shared<int>(0);
        auto found = std::make_shared<bool>(false);
        QObject::connect(timer, &QTimer::timeout, timer, [&, name, timer, tries, found] {
            QFileDialog* dialog = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* shown = qobject_cast<QFileDialog*>(widget); shown && shown->isVisible())
                    dialog = shown;
            const bool givingUp = ++*tries > 500;
            if (!dialog) {
                if (givingUp) timer->deleteLater();
                return;
            }
            if (!*found) {
                *found = true;
                offered = dialog->nameFilters();
                QObject::connect(dialog, &QDialog::finished, timer, [timer] {
                    timer->stop();
                    timer->deleteLater();
                });
            }
            if (!name || givingUp) return dialog->reject();
            dialog->selectNameFilter(offered.last());
            dialog->selectFile(Path(name));
            // With the focus in the name field the dialog leaves its text alone; type the name then.
            if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit")) edit->setText(Path(name));
            static_cast<QDialog*>(dialog)->accept();
        });
        timer->start(10);
    };
    answer(nullptr);
    EXPECT_EQ(ShowOpenFileDialog(insert::kDialogTypes), nullptr);
    ASSERT_EQ(offered.size(), 4);
    EXPECT_TRUE(offered[0].contains("*.gif") && offered[1].contains("*.jpg") && offered[2].contains("*.pct"));
    EXPECT_EQ(offered[3], "All files (*)");
    EXPECT_EQ(OpenDialogFilters("image/no-such-type;image/gif").size(), 2u) << "unknown names are skipped";

    answer("cover.bmp");
    Ref<FolderItem> file = ShowOpenFileDialog(insert::kDialogTypes);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->AbsolutePath(), Path("cover.bmp").toStdString());
}

}  // namespace
