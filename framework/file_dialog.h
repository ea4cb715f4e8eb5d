// The open-file dialog: GetOpenFolderItem, as the program calls it, goes through the platform service so
// tests can stand in for the user; ShowOpenFileDialog is the real one, Qt's, offering OpenDialogFilters.
#pragma once

#include <string>
#include <vector>

#include "framework/folder_item.h"
#include "framework/object.h"

// Shows the open-file dialog for the ";"-separated MIME type names; the chosen file, or nil on cancel.
Ref<FolderItem> GetOpenFolderItem(const std::string& typeNames);

// The dialog's type choices: first one holding the patterns of every known type of the list (when it
// names more than one), then one per known MIME type name with its patterns ("GIF image (*.gif)"), in
// the list's order, unknown names left out, then a choice of all files last.
std::vector<std::string> OpenDialogFilters(const std::string& typeNames);

// The real dialog behind the service.
Ref<FolderItem> ShowOpenFileDialog(const std::string& typeNames);
