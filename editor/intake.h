// Opening a cover's picture file, as a drop, an Insert and a print do: a picture, or a failure that
// names the file and says why.
#pragma once

#include "framework/folder_item.h"

namespace intake {

// Opens `file` as a picture, or raises NilObjectException naming the file and why it cannot be used.
Ref<Picture> OpenPicture(const FolderItem& file);

}  // namespace intake
