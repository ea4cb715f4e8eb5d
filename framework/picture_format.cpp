// Picture formats by depth, the colour tables of new 1-bit and 8-bit pictures, and colour-table lookup.
#include "framework/picture_format.h"

#include <limits>

QImage::Format FormatForDepth(int32_t depth) {
    switch (depth) {
        case 1:
            return QImage::Format_Mono;
        case 8:
            return QImage::Format_Indexed8;
        case 16:
            return QImage::Format_RGB16;
        case 24:
            return QImage::Format_RGB888;
        case 32:
            return QImage::Format_RGB32;
        default:
            return QImage::Format_Invalid;
    }
}

QList<QRgb> NewColorTable(int32_t depth) {
    if (depth == 1) return {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    // White, the rest of a 6 x 6 x 6 colour cube, then 40 greys between the cube's.
    QList<QRgb> table{qRgb(255, 255, 255)};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                if (r + g + b < 15) table.append(qRgb(r * 51, g * 51, b * 51));
    for (int i = 1; i <= 40; ++i) {
        const int level = i * 255 / 41;
        table.append(qRgb(level, level, level));
    }
    return table;
}

ColorTableLookup::ColorTableLookup(QList<QRgb> table) : table_(std::move(table)) {
    for (int i = table_.size() - 1; i >= 0; --i) known_[table_[i] | 0xFF000000u] = i;
}

int ColorTableLookup::IndexOf(QRgb rgb) {
    rgb |= 0xFF000000u;
    if (auto found = known_.find(rgb); found != known_.end()) return found->second;
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < table_.size(); ++i) {
        const int dr = qRed(rgb) - qRed(table_[i]), dg = qGreen(rgb) - qGreen(table_[i]),
                  db = qBlue(rgb) - qBlue(table_[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) best = i, bestDistance = distance;
    }
    known_[rgb] = best;
    return best;
}
