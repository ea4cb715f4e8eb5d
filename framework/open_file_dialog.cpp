// The open-file dialog: still to come.
#include "framework/folder_item.h"
#include "framework/real_dialogs.h"

Ref<FolderItem> ShowOpenFileDialog(const std::string&) {
    return nullptr;
}
