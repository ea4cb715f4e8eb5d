// The picture types that the File menu's Insert items offer in their open-file dialog.
#pragma once

namespace insert {

// The picture types the dialog offers.
inline constexpr const char* kDialogTypes = "image/gif;image/jpeg;image/x-pict";

}  // namespace insert
