// Decoding picture files with Qt: EXIF orientation honoured, a deliberate size limit, and a reason for
// every failure that a message can show.
#pragma once

#include <cstdint>
#include <string>

#include "framework/object.h"
#include "framework/shown_name.h"

class Picture;

// The largest picture decoded, in pixels: a 100-megapixel photo opens; a file that claims far more
// (a decompression bomb) is refused before anything is allocated.
inline constexpr int64_t kMaxPicturePixels = 256LL * 1024 * 1024;

struct DecodedPicture {
    Ref<Picture> picture;  // nil on failure
    std::string error;     // why, e.g. "it is not a picture"
};

// Opens a picture file. A JPEG photo's pixels are decoded when first needed, so a failure in them is
// raised then (as PictureFileFailure), before anything uses them.
DecodedPicture OpenPictureFile(const std::string& path);

// The exception that says a picture file cannot be used, naming the file and the reason.
NilObjectException PictureFileFailure(const std::string& path, const std::string& reason);
