// Cover intake: a picture file becomes a cover's file, with its name shown and a preview of the
// canvas's size. The new preview is built first; only then does the cover change, all at once.
#pragma once

#include "editor/covers.h"
#include "framework/folder_item.h"

namespace intake {

// The drop's declaration: the canvas takes dropped BMP and JPEG files and picture data.
void AcceptDrops(Main& window, const CoverRow& cover);
// A drop on the cover's canvas; a drop without a file, or a file that is no picture, changes nothing
// and raises NilObjectException naming the file and the reason.
void Drop(Main& window, const CoverRow& cover, const Ref<DragItem>& item);
// Loads `file` into the cover (the steps a drop and the Insert items share).
void LoadCover(Main& window, const CoverRow& cover, const Ref<FolderItem>& file);
// Opens `file` as a picture, or raises NilObjectException naming the file and why it cannot be used.
Ref<Picture> OpenPicture(const FolderItem& file);

}  // namespace intake
