// How pictures of each depth are stored in a QImage, and how colours map to the entries of the colour
// table of a 1-bit or 8-bit picture.
#pragma once

#include <QImage>
#include <cstdint>
#include <unordered_map>

// The format that holds pictures of `depth`, or QImage::Format_Invalid for a depth with none.
QImage::Format FormatForDepth(int32_t depth);

// The colour table of new pictures of depth 1 or 8; white is entry 0, so zeroed memory is white.
QList<QRgb> NewColorTable(int32_t depth);

// Finds the entry of a colour table for a colour: the exact entry when there is one, else the nearest.
class ColorTableLookup {
  public:
    explicit ColorTableLookup(QList<QRgb> table);
    int IndexOf(QRgb rgb);

  private:
    QList<QRgb> table_;
    std::unordered_map<QRgb, int> known_;
};
