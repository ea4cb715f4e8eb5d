// Cover intake: a picture file becomes a cover's file, with its name shown and a preview of the
// canvas's size. The new preview is built first; only then does the cover change, all at once.
#pragma once

#include "framework/folder_item.h"

namespace intake {

// Opens `file` as a picture, or raises NilObjectException naming the file and why it cannot be used.
Ref<Picture> OpenPicture(const FolderItem& file);

}  // namespace intake
