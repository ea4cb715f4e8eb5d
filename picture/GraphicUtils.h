// GraphicUtils: the quarter turn of a picture, with its mask, resolutions and transparency setting.
#pragma once

#include "framework/object.h"
#include "framework/picture.h"

namespace GraphicUtils {

// A new picture holding `source` turned a quarter turn, clockwise unless `counterClockwise`; nil for a
// nil source. The source's mask, if it has one, is turned the same way; the resolutions are swapped and
// Transparent is copied. The source is only read. Yields once per finished source row and pass.
Ref<Picture> Rotate90(const Ref<Picture>& source, bool counterClockwise);

}  // namespace GraphicUtils
