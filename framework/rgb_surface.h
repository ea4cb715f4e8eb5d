// RGBSurface: direct access to the pixels of a 16-bit or 32-bit picture, inline, one load or one store
// per pixel, without bounds checks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/color.h"
#include "framework/object.h"

class Picture;

class RGBSurface {
  public:
    // `bits` is the first row; rows lie `bytesPerLine` apart and hold 2- or 4-byte words. The surface
    // holds `owner` so that the words stay alive as long as it does.
    RGBSurface(Ref<Picture> owner, uint8_t* bits, std::ptrdiff_t bytesPerLine, int32_t width, int32_t height,
               int bytesPerPixel)
        : owner_(std::move(owner)),
          bits_(bits),
          bytesPerLine_(bytesPerLine),
          width_(width),
          height_(height),
          bytesPerPixel_(bytesPerPixel) {}

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // 2 for 16-bit pictures (RGB 5-6-5 words), 4 for 32-bit ones (0xFFRRGGBB words).
    int BytesPerPixel() const { return bytesPerPixel_; }
    std::ptrdiff_t BytesPerLine() const { return bytesPerLine_; }

    // The colour at (x, y), which must lie inside the surface.
    Color Pixel(int32_t x, int32_t y) const {
        if (bytesPerPixel_ == 4) return Color{Row<uint32_t>(y)[x]};
        return FromRGB565(Row<uint16_t>(y)[x]);
    }

    // Sets (x, y), which must lie inside the surface; 16-bit pictures keep the top bits of each channel.
    void SetPixel(int32_t x, int32_t y, Color color) {
        if (bytesPerPixel_ == 4)
            Row<uint32_t>(y)[x] = color.value | 0xFF000000u;
        else
            Row<uint16_t>(y)[x] = ToRGB565(color);
    }

    // The raw words of row y, for loops that move words unchanged; Word must match BytesPerPixel.
    template <class Word>
    Word* Row(int32_t y) const {
        static_assert(sizeof(Word) == 2 || sizeof(Word) == 4);
        return reinterpret_cast<Word*>(bits_ + y * bytesPerLine_);
    }

    // 5-6-5 words widen by repeating their top bits, so a word read and written back stays the same.
    static constexpr Color FromRGB565(uint16_t w) {
        const uint32_t r = (w >> 11) & 0x1F, g = (w >> 5) & 0x3F, b = w & 0x1F;
        return Color{0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2)};
    }
    static constexpr uint16_t ToRGB565(Color c) {
        return uint16_t(((c.value >> 8) & 0xF800) | ((c.value >> 5) & 0x07E0) | ((c.value >> 3) & 0x001F));
    }

  private:
    Ref<Picture> owner_;
    uint8_t* bits_;
    std::ptrdiff_t bytesPerLine_;
    int32_t width_;
    int32_t height_;
    int bytesPerPixel_;
};
