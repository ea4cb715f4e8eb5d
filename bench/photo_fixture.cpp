#include "photo_fixture.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>

namespace {

// Smooth colour fields with fine grain: compresses and decodes like a photograph, unlike flat colour.
QImage PhotoLike(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(24)) - 12;
            const int r = int(128 + 100 * std::sin(x * 0.0021) * std::cos(y * 0.0017)) + grain;
            const int g = int(128 + 90 * std::sin((x + y) * 0.0013)) + grain;
            const int b = int(120 + 100 * std::cos(x * 0.0009 - y * 0.0023)) + grain;
            row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}

}  // namespace

const std::string& Photo24MP() {
    static QTemporaryDir folder;
    static const std::string path = [] {
        const QString file = folder.filePath(QStringLiteral("photo-6000x4000.jpg"));
        QImageWriter writer(file, "jpeg");
        writer.setQuality(90);
        writer.write(PhotoLike(6000, 4000));
        return file.toStdString();
    }();
    return path;
}
