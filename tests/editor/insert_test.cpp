// The File menu's Insert items: the page comes forward, the chosen file loads as a drop of it does,
// cancel and refusals change nothing; and the real open-file dialog.
#include "editor/insert.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "cover_support.h"
#include "framework/drag_item.h"
#include "framework/file_dialog.h"

namespace {

class InsertTest : public CoverTest {
  protected:
    void SetUp() override {
        CoverTest::SetUp();
        WriteQuadrants(dir, "cover.jpg", "JPEG", 60, 20);
        WriteQuadrants(dir, "cover.bmp", "BMP", 60, 20);
        WriteBytes(dir, "notes.jpg", "no picture");
        // The dialog "chooses" `chosen` (nothing: cancel) and notes what it was asked for.
        Services().openFileDialog = [this](const std::string& types) {
            askedFor = types;
            pageWhileAsking = Page();
            return chosen ? GetFolderItem(File(chosen)) : nullptr;
        };
    }
    void Choose(const CoverRow& cover) {
        MenuBar1::Instance()->Lookup(cover.insertItem)->Action()->trigger();
    }
    void Drop(const CoverRow& cover, const char* name) { Load(cover, File(name)); }

    const char* chosen = nullptr;
    std::string askedFor;
    int32_t pageWhileAsking = -1;
};

TEST_F(InsertTest, EachItemBringsItsPageForwardAndLoadsTheFileAsADropDoes) {
    for (const CoverRow* cover : kCovers) {
        SCOPED_TRACE(cover->title);
        chosen = cover == &Main::kCdFront ? "cover.jpg" : "cover.bmp";
        SetPage(1 - cover->page);
        Choose(*cover);
        EXPECT_EQ(askedFor, "image/gif;image/jpeg;image/x-pict");
        EXPECT_EQ(pageWhileAsking, cover->page) << "the page comes forward before the dialog opens";
        EXPECT_EQ(Page(), cover->page);
        EXPECT_FALSE(HintShown(*cover));
        EXPECT_EQ(FileOf(*cover), File(chosen));
        EXPECT_EQ(NameLabel(*cover), chosen);

        const QImage image = Preview(*cover)->Image();
        EXPECT_TRUE(Near(image.pixelColor(image.width() - 3, image.height() - 3), Qt::yellow)) << "all of it";
        // A turned preview is replaced by an unturned one, just as a drop of the file makes it (the drop's
        // preview is checked with the drops).
        Push(cover->rotateButton);
        Choose(*cover);
        EXPECT_EQ(Preview(*cover)->Image(), image);
        Drop(*cover, chosen);
        EXPECT_EQ(Preview(*cover)->Image(), image);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(InsertTest, CancelOrAChosenFileThatIsNoPictureChangesNothingAndOnlyTheFileIsReported) {
    Drop(Main::kCdBack, "cover.bmp");
    for (const char* choice : {(const char*)nullptr, "notes.jpg"})
        for (const CoverRow* cover : {&Main::kDvd, &Main::kCdBack}) {  // empty, loaded
            SCOPED_TRACE(std::string(cover->title) + (choice ? " notes.jpg" : " cancel"));
            reports.clear();
            chosen = choice;
            const Ref<Picture> preview = Preview(*cover);
            const std::string path = FileOf(*cover), name = NameLabel(*cover);
            SetPage(1 - cover->page);
            Choose(*cover);
            EXPECT_EQ(Page(), cover->page);
            EXPECT_EQ(HintShown(*cover), !preview) << "the hint shows again only over an empty cover";
            EXPECT_EQ(Preview(*cover), preview);
            EXPECT_EQ(FileOf(*cover), path);
            EXPECT_EQ(NameLabel(*cover), name);
            ASSERT_EQ(reports.size(), choice ? 1u : 0u);
            if (choice) {
                EXPECT_NE(reports[0].find("notes.jpg"), std::string::npos) << reports[0];
            }
        }
    EXPECT_EQ(main->filenaamCDBack, File("cover.bmp"));
}

TEST_F(InsertTest, TheRealDialogOffersTheKnownTypesAndGivesTheChosenFileOrNil) {
    QStringList offered;
    QString startedOn;
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
                startedOn = dialog->selectedNameFilter();
                QObject::connect(dialog, &QDialog::finished, timer, [timer] {
                    timer->stop();
                    timer->deleteLater();
                });
            }
            if (!name || givingUp) return dialog->reject();
            dialog->selectNameFilter(offered.last());
            dialog->selectFile(QString::fromStdString(File(name)));
            // With the focus in the name field the dialog leaves its text alone; type the name then.
            if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
                edit->setText(QString::fromStdString(File(name)));
            static_cast<QDialog*>(dialog)->accept();
        });
        timer->start(10);
    };
    answer(nullptr);
    EXPECT_EQ(ShowOpenFileDialog(insert::kDialogTypes), nullptr);
    ASSERT_EQ(offered.size(), 5);
    // It starts on the files of all three types, then offers each type alone, then all files.
    EXPECT_EQ(startedOn, offered[0]);
    for (const char* pattern : {"*.gif", "*.jpg", "*.jpeg", "*.pct"})
        EXPECT_TRUE(startedOn.contains(pattern));
    EXPECT_TRUE(offered[1].contains("*.gif") && offered[2].contains("*.jpg") && offered[3].contains("*.pct"));
    EXPECT_EQ(offered[4], "All files (*)");
    EXPECT_EQ(OpenDialogFilters("image/no-such-type;image/gif").size(), 2u) << "unknown names are skipped";

    answer("cover.bmp");
    Ref<FolderItem> file = ShowOpenFileDialog(insert::kDialogTypes);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->AbsolutePath(), File("cover.bmp"));
}

}  // namespace
