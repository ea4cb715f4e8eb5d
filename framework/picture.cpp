// Picture: the QImage behind it, its accessors and its mask; NewPicture and GetExistingPictureMask.
#include "framework/picture.h"

#include <QImage>
#include <stdexcept>

#include "framework/picture_format.h"
#include "framework/picture_graphics.h"
#include "framework/pixel_memory.h"
#include "framework/rgb_surface.h"

namespace {

// Brings any image into the format of the depth it stands for, and names that depth.
QImage Normalized(QImage image, int32_t& depth) {
    switch (image.format()) {
        case QImage::Format_Mono:
            depth = 1;
            return image;
        case QImage::Format_MonoLSB:
            depth = 1;
            return image.convertToFormat(QImage::Format_Mono);
        case QImage::Format_Indexed8:
            depth = 8;
            return image;
        case QImage::Format_RGB16:
            depth = 16;
            return image;
        case QImage::Format_RGB888:
            depth = 24;
            return image;
        case QImage::Format_RGB32:
            depth = 32;
            return image;
        default:
            depth = 32;
            return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
    }
}

}  // namespace

Picture::Picture(QImage image) : image_(std::make_unique<QImage>()), width_(0), height_(0), depth_(32) {
    *image_ = Normalized(std::move(image), depth_);
    width_ = image_->width();
    height_ = image_->height();
}

Picture::Picture(QImage image, int32_t width, int32_t height, int32_t depth)
    : image_(std::make_unique<QImage>(std::move(image))), width_(width), height_(height), depth_(depth) {}

Picture::Picture(int32_t width, int32_t height, std::shared_ptr<const PictureSource> source)
    : image_(std::make_unique<QImage>()),
      source_(std::move(source)),
      width_(width),
      height_(height),
      depth_(32) {}

Picture::~Picture() = default;

void Picture::Decode() const {
    QImage image = source_->Decode();
    if (image.width() != width_ || image.height() != height_)
        throw NilObjectException("the picture changed size while it was being read");
    int32_t depth = 32;
    image = Normalized(std::move(image), depth);
    if (depth != 32) image = image.convertToFormat(QImage::Format_RGB32);
    *image_ = std::move(image);
    source_.reset();
}

QImage Picture::ShrunkTo(int32_t width, int32_t height) const {
    QImage image = source_ ? source_->DecodeForSize(width, height) : *image_;
    if (image.width() == width && image.height() == height) return image;
    return image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Ref<::Graphics> Picture::Graphics() {
    Ref<::Graphics> graphics = graphics_.lock();
    if (!graphics) {
        graphics = std::make_shared<PictureGraphics>(shared_from_this());
        graphics_ = graphics;
    }
    return graphics;
}

Ref<::RGBSurface> Picture::RGBSurface() {
    if (!rgbSurfaceOffered_ || (depth_ != 16 && depth_ != 32)) return nullptr;
    // bits() also makes the pixels this picture's own, should they be shared with a copy.
    QImage& image = MutableImage();
    uint8_t* bits = image.isNull() ? nullptr : image.bits();
    return std::make_shared<::RGBSurface>(shared_from_this(), bits, image_->bytesPerLine(), width_, height_,
                                          depth_ / 8);
}

Ref<Picture> Picture::Mask(bool makeIfMissing) {
    if (!mask_ && makeIfMissing) {
        Ref<Picture> mask = NewPicture(width_, height_, depth_);
        QImage& pixels = NonNil(mask, "new mask").MutableImage();
        if (!pixels.isNull()) {
            if (depth_ <= 8)
                pixels.fill(uint(ColorTableLookup(pixels.colorTable()).IndexOf(qRgb(0, 0, 0))));
            else
                pixels.fill(QColor(Qt::black));
        }
        mask_ = std::move(mask);
    }
    return mask_;
}

void Picture::UseColorTableOf(const Picture& other) {
    if (depth_ > 8 || other.depth_ != depth_ || image_->isNull()) return;
    image_->setColorTable(other.Image().colorTable());
}

void Picture::SetMask(Ref<Picture> mask) {
    if (mask && (mask->Width() != width_ || mask->Height() != height_))
        throw std::invalid_argument("a mask must have its picture's size");
    mask_ = std::move(mask);
}

Ref<Picture> NewPicture(int32_t width, int32_t height, int32_t depth) {
    const QImage::Format format = FormatForDepth(depth);
    if (width < 0 || height < 0 || format == QImage::Format_Invalid) return nullptr;
    // Indexed pictures have white as entry 0; the others are white with every bit set.
    const uint8_t white = depth <= 8 ? 0x00 : 0xFF;
    QImage image = AllocateImage(width, height, format, white);
    if (width > 0 && height > 0 && image.isNull()) return nullptr;
    if (depth <= 8 && !image.isNull()) image.setColorTable(NewColorTable(depth));
    return Ref<Picture>(new Picture(std::move(image), width, height, depth));
}

Ref<Picture> GetExistingPictureMask(const Ref<Picture>& picture, bool makeIfMissing) {
    return NonNil(picture, "picture").Mask(makeIfMissing);
}
