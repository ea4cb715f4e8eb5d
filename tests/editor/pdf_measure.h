// Measuring a printed PDF page: poppler's pdftoppm renders it at 254 dots per inch, where a pixel is
// 0.1 mm, and the frame lines and picture edges of a cover are found on it; pdfimages lists its pictures.
#pragma once

#include <QImage>
#include <string>
#include <utility>
#include <vector>

// Page 1 of `pdf` in greys at 254 dots per inch; a null image when it cannot be rendered.
QImage RenderPageAt254(const std::string& pdf);

// The pixel sizes of the pictures that the PDF holds, in order.
std::vector<std::pair<int, int>> PdfPictureSizes(const std::string& pdf);

// Where a cover should lie on the paper, in millimetres: its rectangle, its margin and the line where
// its frame begins (0 for the page's edges, lower for a frame shifted down).
struct CoverPlace {
    double left, top, width, height;
    double margin;
    double frameTop = 0;
};

// Expects each of the four frame lines within 0.1 mm of its place and about one dot (0.1 mm) dark,
// at both of its ends, and the picture's four edges within 0.1 mm of the cover rectangle's.
void ExpectCoverOnPage(const QImage& page, const CoverPlace& place);

bool PopplerAvailable();
