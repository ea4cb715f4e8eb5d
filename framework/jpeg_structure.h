// A walk over a JPEG file's segments and scans as libjpeg reads them, before anything decodes it: a file
// whose structure alone would hold the decoder for long (thousands of segments, whose headers libjpeg
// keeps in a list it walks for each new one, or scans that walk the coefficients of every block again
// and again, far more than any photo of its size) is refused with its reason.
#pragma once

#include <string>

class QIODevice;

// Reads `file` from where it stands through its end-of-image marker, or as far as the file lets it,
// and says why it must not be decoded ("it has more scans than any photo (over 100)"), or "" when it
// may be. With `headerOnly`, stops at the first scan: what reading the header costs. A file that does
// not start as a JPEG does is left to its own decoder.
std::string JpegStructureFault(QIODevice& file, bool headerOnly);
