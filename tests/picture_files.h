// Picture files for tests, made with Qt in a temporary folder, and a loose colour comparison.
#pragma once

#include <gtest/gtest.h>

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
    const int left = width / 2, top = height / 2;
    painter.fillRect(0, 0, left, top, Qt::red);
    painter.fillRect(left, 0, width - left, top, Qt::green);
    painter.fillRect(0, top, left, height - top, Qt::blue);
    painter.fillRect(left, top, width - left, height - top, Qt::yellow);
    return image;
}

// Saves `image` in `dir` in the given format ("JPEG", "BMP", "PNG"); returns its path.
inline std::string WriteImage(const QTemporaryDir& dir, const QString& name, const QImage& image,
                              const char* format) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, format, 95)) << path.toStdString();
    return path.toStdString();
}

inline std::string WriteQuadrants(const QTemporaryDir& dir, const QString& name, const char* format,
                                  int width = 100, int height = 50) {
    return WriteImage(dir, name, Quadrants(width, height), format);
}

inline std::string WriteBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path.toStdString();
}

// True when two colours differ by at most `tolerance` in each channel (JPEG is lossy).
inline bool Near(QColor a, QColor b, int tolerance = 48) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
