// Preview painting and turning: a canvas shows a black frame along its edges and its cover's preview
// at the preview's own size; Rotate turns the preview a quarter turn clockwise.
#pragma once

#include "editor/covers.h"

namespace preview {

void Paint(Main& window, const CoverRow& cover, const Ref<Graphics>& g);
void Rotate(Main& window, const CoverRow& cover);

}  // namespace preview
