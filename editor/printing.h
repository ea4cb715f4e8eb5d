// Printing the covers: one cover on a page of its own, turned a quarter turn clockwise from its file,
// or both CD covers unturned on one page. Each coordinate is a sum of Doubles in millimetres times dots
// per millimetre, converted once to whole dots; margins are whole dots.
#pragma once

#include "editor/covers.h"

namespace printing {

// Prints `cover` from its file, turned, at its size with its four frame lines. Does nothing when the
// cover has no file; a file that cannot be read is reported before the print dialog opens.
void PrintCover(Main& window, const CoverRow& cover);

// Prints the CD front and, D(130) lower and laid on its side, the CD back on one page, neither turned.
// Does nothing unless both have a file.
void PrintBothCdCovers(Main& window);

}  // namespace printing
