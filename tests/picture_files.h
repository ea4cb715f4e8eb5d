// Picture files for tests, made with Qt in a temporary folder: four coloured quarters, or raw bytes.
#pragma once

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <string>

// Top-left red, top-right green, bottom-left blue, bottom-right yellow.
inline QImage Quadrants(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    return image;
}

// Writes the quarters as a file of the given format ("JPEG", "BMP", "PNG"); returns its path.
inline std::string WriteQuadrants(const QTemporaryDir& dir, const QString& name, const char* format,
                                  int width = 100, int height = 50) {
    const QString path = dir.filePath(name);
    Quadrants(width, height).save(path, format, 95);
    return path.toStdString();
}

inline std::string WriteBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path.toStdString();
}

// True when two colours differ by at most `tolerance` in each channel (JPEG is lossy).
inline bool Near(QColor a, QColor b, int tolerance = 48) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
