// PainterGraphics: lines, outlines and stretched pictures drawn with a QPainter, aliased, in ForeColor.
#include "framework/painter_graphics.h"

#include <QImage>
#include <QPainter>

#include "framework/picture.h"

namespace {

QColor ToQColor(Color color) {
    return QColor::fromRgba(color.value);
}

}  // namespace

QPen PainterGraphics::LinePen() const {
    QPen pen;
    pen.setColor(ToQColor(ForeColor()));
    return pen;
}

PainterGraphics::PainterGraphics(QPainter* painter, int32_t width, int32_t height)
    : painter_(painter), width_(width), height_(height) {}

void PainterGraphics::Paint(const std::function<void(QPainter&)>& draw) {
    QPainter& painter = NonNil(painter_, "painter");
    painter.save();
    draw(painter);
    painter.restore();
}

void PainterGraphics::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    Paint([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(LinePen());
        painter.drawLine(x1, y1, x2, y2);
    });
}

void PainterGraphics::DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) {
    if (width < 0 || height < 0) return;
    // The outline through (x, y) and (x + width, y + height), as a one-pixel pen draws it: a frame of
    // a W x H surface is DrawRect(0, 0, W - 1, H - 1).
    Paint([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(LinePen());
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(x, y, width, height);
    });
}

bool PainterGraphics::ResolveSizes(const Picture& source, int32_t& width, int32_t& height,
                                   int32_t& sourceWidth, int32_t& sourceHeight) {
    if (width == kPictureOwnSize) width = source.Width();
    if (height == kPictureOwnSize) height = source.Height();
    if (sourceWidth == kPictureOwnSize) sourceWidth = source.Width();
    if (sourceHeight == kPictureOwnSize) sourceHeight = source.Height();
    return width > 0 && height > 0 && sourceWidth > 0 && sourceHeight > 0;
}

void PainterGraphics::DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y, int32_t width,
                                  int32_t height, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                                  int32_t sourceHeight) {
    const Picture& source = NonNil(picture, "picture");
    if (!ResolveSizes(source, width, height, sourceWidth, sourceHeight)) return;

    const QRect from(sourceX, sourceY, sourceWidth, sourceHeight);
    const bool whole = from == QRect(0, 0, source.Width(), source.Height());
    const bool shrinks = width < sourceWidth || height < sourceHeight;
    if (whole && shrinks) {
        // Qt's smooth scaling averages every source pixel where it shrinks; drawing scaled samples few.
        // A picture not yet decoded is decoded straight at a reduced scale.
        const QImage shrunk = source.ShrunkTo(width, height);
        Paint([&](QPainter& painter) { painter.drawImage(QPoint(x, y), shrunk); });
        return;
    }
    const QImage& image = source.Image();
    Paint([&](QPainter& painter) {
        if (width == sourceWidth && height == sourceHeight) {
            painter.drawImage(QPoint(x, y), image, from);
        } else if (shrinks) {
            painter.drawImage(QPoint(x, y), image.copy(from).scaled(width, height, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation));
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawImage(QRect(x, y, width, height), image, from);
        }
    });
}

Color PainterGraphics::Pixel(int32_t, int32_t) const {
    return Color{};
}

void PainterGraphics::SetPixel(int32_t x, int32_t y, Color color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Paint([&](QPainter& painter) { painter.fillRect(x, y, 1, 1, ToQColor(color)); });
}
