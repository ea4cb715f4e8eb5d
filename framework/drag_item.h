// A drop: the dropped file as a FolderItem, nil when the drop carries picture data and no file.
#pragma once

#include "framework/folder_item.h"
#include "framework/object.h"

class DragItem {
  public:
    explicit DragItem(Ref<::FolderItem> file) : file_(std::move(file)) {}
    const Ref<::FolderItem>& FolderItem() const { return file_; }

  private:
    Ref<::FolderItem> file_;
};
