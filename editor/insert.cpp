// Cover intake by the File menu's Insert items: the cover's page comes to the front and the open-file
// dialog asks for a picture, which then loads as a drop of the same file would.
#include "editor/insert.h"

#include "editor/Main.h"
#include "framework/file_dialog.h"

// Runs one Insert for the cover; true once handled, also when the dialog was cancelled. A chosen file
// that is no picture raises NilObjectException, with the cover unchanged and its hint as it was.
bool Main::InsertCover(const CoverRow& cover) {
    Control<TabPanel>("TabPanel1")->Value(cover.page);
    auto hint = Control<StaticText>(cover.hintLabel);
    const bool hintWasVisible = hint->Visible();
    hint->Visible(false);
    // The canvas is found before the dialog opens: a window without it fails before asking the user.
    Control<Canvas>(cover.canvas);

    // Only a loaded picture keeps the hint hidden; otherwise it shows again as before, so a cover that
    // holds a picture never gets "Drop your ... cover here" over it.
    try {
        if (Ref<FolderItem> file = GetOpenFolderItem(insert::kDialogTypes)) {
            LoadCover(cover, file);
            return true;
        }
    } catch (...) {
        hint->Visible(hintWasVisible);
        throw;
    }
    hint->Visible(hintWasVisible);
    return true;
}
