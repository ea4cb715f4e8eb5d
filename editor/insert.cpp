#include "editor/insert.h"

#include "editor/intake.h"
#include "framework/file_dialog.h"

namespace insert {

bool FromDialog(Main& window, const CoverRow& cover) {
    window.Control<TabPanel>("TabPanel1")->Value(cover.page);
    auto hint = window.Control<StaticText>(cover.hintLabel);
    const bool hintWasVisible = hint->Visible();
    hint->Visible(false);
    // The canvas is found before the dialog opens: a window without it fails before asking the user.
    window.Control<Canvas>(cover.canvas);

    // Only a loaded picture keeps the hint hidden; otherwise it shows again as before, so a cover that
    // holds a picture never gets "Drop your ... cover here" over it.
    try {
        if (Ref<FolderItem> file = GetOpenFolderItem(kDialogTypes)) {
            intake::LoadCover(window, cover, file);
            return true;
        }
    } catch (...) {
        hint->Visible(hintWasVisible);
        throw;
    }
    hint->Visible(hintWasVisible);
    return true;
}

}  // namespace insert
