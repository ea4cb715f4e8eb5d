// PictureGraphics: pixels through QImage's own pixel calls, drawing through a painter per call.
#include "framework/picture_graphics.h"

#include <QImage>
#include <QPainter>

#include "framework/picture.h"
#include "framework/picture_format.h"

PictureGraphics::PictureGraphics(Ref<Picture> picture)
    : PainterGraphics(picture->Width(), picture->Height()), picture_(std::move(picture)) {
    if (picture_->Depth() <= 8) lookup_ = std::make_unique<ColorTableLookup>(picture_->Image().colorTable());
}

PictureGraphics::~PictureGraphics() = default;

Color PictureGraphics::Pixel(int32_t x, int32_t y) const {
    if (!Inside(x, y)) return Color{};
    return Color{picture_->Image().pixel(x, y)};
}

void PictureGraphics::SetPixel(int32_t x, int32_t y, Color color) {
    if (!Inside(x, y)) return;
    QImage& image = picture_->MutableImage();
    image.setPixel(x, y, lookup_ ? uint(lookup_->IndexOf(color.value)) : color.value);
}

void PictureGraphics::Paint(const std::function<void(QPainter&)>& draw) {
    if (Width() == 0 || Height() == 0) return;
    QImage& image = picture_->MutableImage();
    if (!lookup_) {
        QPainter painter(&image);
        draw(painter);
        return;
    }
    QImage canvas = image.convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&canvas);
        draw(painter);
    }
    image = canvas.convertToFormat(image.format(), image.colorTable(), Qt::ThresholdDither);
}
