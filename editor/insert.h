// Cover intake by the File menu's Insert items: the cover's page comes to the front and the open-file
// dialog asks for a picture, which then loads as a drop of the same file would.
#pragma once

namespace insert {

// The picture types the dialog offers.
inline constexpr const char* kDialogTypes = "image/gif;image/jpeg;image/x-pict";

}  // namespace insert
