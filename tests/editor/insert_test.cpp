// The File menu's Insert items: the page comes forward, the chosen file loads as a drop of it does,
// cancel and refusals change nothing; and the real open-file dialog.
#include "editor/insert.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "cover_support.h"
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
        EXPECT_EQ(askedFor, insert::kDialogTypes);
        EXPECT_EQ(pageWhileAsking, cover->page) << "the page comes forward before the dialog opens";
        EXPECT_EQ(std::tuple(HintShown(*cover), FileOf(*cover), NameLabel(*cover)),
                  std::tuple(false, File(chosen), std::string(chosen)));
        const QImage image = Preview(*cover)->Image();
        // The preview is the one a drop of the file makes; a turned one is replaced by an unturned one.
        Push(cover->rotateButton);
        EXPECT_NE(Preview(*cover)->Image(), image) << "turned by its own button";
        Choose(*cover);
        EXPECT_EQ(Preview(*cover)->Image(), image);
        Load(*cover, File(chosen));
        EXPECT_EQ(Preview(*cover)->Image(), image);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(InsertTest, CancelOrAChosenFileThatIsNoPictureChangesNothingAndOnlyTheFileIsReported) {
    Load(Main::kCdBack, File("cover.bmp"));
    for (const char* choice : {(const char*)nullptr, "notes.jpg"})
        for (const CoverRow* cover : {&Main::kDvd, &Main::kCdBack}) {  // empty, loaded
            SCOPED_TRACE(std::string(cover->title) + (choice ? " notes.jpg" : " cancel"));
            reports.clear();
            chosen = choice;
            const Ref<Picture> preview = Preview(*cover);
            const std::string path = FileOf(*cover), name = NameLabel(*cover);
            SetPage(1 - cover->page);
            Choose(*cover);
            EXPECT_EQ(HintShown(*cover), !preview) << "the hint shows again only over an empty cover";
            EXPECT_EQ(std::tuple(Preview(*cover), FileOf(*cover), NameLabel(*cover)),
                      std::tuple(preview, path, name));
            ASSERT_EQ(reports.size(), choice ? 1u : 0u);
            if (choice) {
                EXPECT_NE(reports[0].find("notes.jpg"), std::string::npos) << reports[0];
            }
        }
}

TEST_F(InsertTest, TheRealDialogStartsOnAllTheKnownTypesAndGivesTheChosenFileOrNil) {
    QStringList offered;
    QString startedOn;
    const char* pick = nullptr;  // the file to choose; nil: cancel
    // Answers the dialog while it is up, on every tick, since it may not take a file before it has settled.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (offered.isEmpty()) offered = dialog->nameFilters(), startedOn = dialog->selectedNameFilter();
        if (!pick) return dialog->reject();
        dialog->selectNameFilter(offered.last());
        dialog->selectFile(QString::fromStdString(File(pick)));
        // With the focus in the name field the dialog leaves its text alone; type the name there too.
        if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
            edit->setText(QString::fromStdString(File(pick)));
        static_cast<QDialog*>(dialog)->accept();
    });
    answer.start(10);
    EXPECT_EQ(ShowOpenFileDialog(insert::kDialogTypes), nullptr);
    ASSERT_EQ(offered.size(), 5);
    // It starts on the files of all three types, then offers each type alone, then all files.
    EXPECT_EQ(startedOn, offered[0]);
    for (const char* pattern : {"*.gif", "*.jpg", "*.jpeg", "*.pct"})
        EXPECT_TRUE(startedOn.contains(pattern));
    EXPECT_TRUE(offered[1].contains("*.gif") && offered[2].contains("*.jpg") && offered[3].contains("*.pct"));
    EXPECT_EQ(offered[4], "All files (*)");
    EXPECT_EQ(OpenDialogFilters("image/no-such-type;image/gif").size(), 2u) << "unknown names are skipped";

    pick = "cover.bmp";
    const Ref<FolderItem> file = ShowOpenFileDialog(insert::kDialogTypes);
    EXPECT_EQ(file ? file->AbsolutePath() : "nil", File("cover.bmp"));
}

}  // namespace
