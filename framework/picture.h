// Picture: a bitmap picture of depth 1, 8, 16, 24 or 32 over a QImage, with its resolutions, its
// transparency setting, an optional mask, its Graphics and, at depths 16 and 32, its RGBSurface.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/object.h"

class Graphics;
class QImage;
class RGBSurface;

// Where a picture's pixels come from when they are decoded only on first use: gives them at full
// size, or for drawing at about `width` x `height` (at least that large, or exactly that). A failure
// raises NilObjectException naming the file and the reason.
class PictureSource {
  public:
    virtual ~PictureSource() = default;
    virtual QImage Decode() const = 0;
    virtual QImage DecodeForSize(int32_t width, int32_t height) const = 0;
};

class Picture : public std::enable_shared_from_this<Picture> {
  public:
    // Wraps `image`: indexed and monochrome images keep their colour tables (depths 8 and 1), 5-6-5
    // and 8-8-8 images become depths 16 and 24, every other format is converted to 32-bit words.
    explicit Picture(QImage image);
    // A 32-bit picture of that size whose pixels `source` gives when they are first needed.
    Picture(int32_t width, int32_t height, std::shared_ptr<const PictureSource> source);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t Depth() const { return depth_; }

    // Dots per inch; 72 unless set.
    int32_t HorizontalResolution() const { return horizontalResolution_; }
    void SetHorizontalResolution(int32_t dpi) { horizontalResolution_ = dpi; }
    int32_t VerticalResolution() const { return verticalResolution_; }
    void SetVerticalResolution(int32_t dpi) { verticalResolution_ = dpi; }

    int32_t Transparent() const { return transparent_; }
    void SetTransparent(int32_t transparent) { transparent_ = transparent; }

    // The picture's drawing surface, which also reads and sets single pixels. While one is held,
    // every call gives that same one.
    Ref<::Graphics> Graphics();

    // Direct pixel access at depths 16 and 32; nil at other depths and when the picture withholds it.
    Ref<::RGBSurface> RGBSurface();
    // Whether RGBSurface offers one at depths 16 and 32 (it does unless told otherwise).
    void SetRGBSurfaceOffered(bool offered) { rgbSurfaceOffered_ = offered; }

    // The mask, a picture of the same size and depth; with `makeIfMissing` a missing one is made, all
    // black (black shows the picture, white hides it). Without, nil when there is none.
    Ref<Picture> Mask(bool makeIfMissing);
    // Gives the picture `mask`, of the picture's size and any depth, or takes its mask away with nil;
    // a mask of another size raises std::invalid_argument.
    void SetMask(Ref<Picture> mask);

    // Takes the colour table of `other` when both are indexed pictures of one depth (1 or 8), so that
    // colour values carry over entry for entry; nothing otherwise. Ask for Graphics after this.
    void UseColorTableOf(const Picture& other);

    // The pixels, for the platform layer. A copy made of them must not outlive a held RGBSurface's use.
    // Pixels still to be decoded are decoded now (which may raise NilObjectException).
    const QImage& Image() const {
        if (source_) Decode();
        return *image_;
    }
    QImage& MutableImage() {
        if (source_) Decode();
        return *image_;
    }
    // Decodes pixels that are still to be decoded (a photo opened from a file decodes on first use);
    // raises NilObjectException naming the file and the reason when that fails.
    void Load() const {
        if (source_) Decode();
    }
    // The whole picture smoothly shrunk to width x height, for drawing; pixels not yet decoded are
    // decoded straight at a reduced scale, and kept undecoded.
    QImage ShrunkTo(int32_t width, int32_t height) const;

  private:
    friend Ref<Picture> NewPicture(int32_t width, int32_t height, int32_t depth);
    Picture(QImage image, int32_t width, int32_t height, int32_t depth);

    void Decode() const;

    mutable std::unique_ptr<QImage> image_;
    mutable std::shared_ptr<const PictureSource> source_;  // set while the pixels are still undecoded
    int32_t width_;
    int32_t height_;
    int32_t depth_;
    int32_t horizontalResolution_ = 72;
    int32_t verticalResolution_ = 72;
    int32_t transparent_ = 0;
    bool rgbSurfaceOffered_ = true;
    Ref<Picture> mask_;
    std::weak_ptr<::Graphics> graphics_;
};

// A new white picture; nil when the size is negative or too big or the depth is not 1, 8, 16, 24 or 32.
// A width or height of 0 gives a picture without pixels.
Ref<Picture> NewPicture(int32_t width, int32_t height, int32_t depth);

// The picture's mask if it has one, else nil; only with `makeIfMissing` is a missing one made.
// A nil picture raises NilObjectException. Give the result back with UnlockObjectReference.
Ref<Picture> GetExistingPictureMask(const Ref<Picture>& picture, bool makeIfMissing);

// Gives back a reference: `object` becomes nil.
template <class T>
void UnlockObjectReference(Ref<T>& object) {
    object.reset();
}
