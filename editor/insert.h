// Cover intake by the File menu's Insert items: the cover's page comes to the front and the open-file
// dialog asks for a picture, which then loads as a drop of the same file would.
#pragma once

#include "editor/covers.h"

namespace insert {

// The picture types the dialog offers.
inline constexpr const char* kDialogTypes = "image/gif;image/jpeg;image/x-pict";

// Runs one Insert for the cover; true once handled, also when the dialog was cancelled. A chosen file
// that is no picture raises NilObjectException, with the cover unchanged and its hint as it was.
bool FromDialog(Main& window, const CoverRow& cover);

}  // namespace insert
