// The application's logo: "kavrello_logo.jpg" from the bundle's Resources folder, read the first time
// that succeeds and kept for the rest of the run.
#pragma once

#include "framework/object.h"

class Picture;

// The logo, or nil while it cannot be loaded (each call then tries again). Raises NilObjectException
// when the way to the Resources folder is broken.
Ref<Picture> kavrello_logo();

// Clears the once-flag, so that the next call starts again from an empty cache (for tests).
void ResetLogoCache();
