// Graphics: the drawing surface of a picture, a canvas or a printer page. Implementations draw with
// Qt (PainterGraphics, PictureGraphics); tests may subclass it into a page that records its calls.
#pragma once

#include <cstdint>

#include "framework/color.h"
#include "framework/object.h"

class Picture;

// A size of kPictureOwnSize given to DrawPicture stands for the picture's own width or height.
inline constexpr int32_t kPictureOwnSize = -10000;

class Graphics {
  public:
    virtual ~Graphics() = default;

    // The colour of lines and rectangle outlines; black at first.
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color) { foreColor_ = color; }

    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;

    // A line from (x1, y1) to (x2, y2), both ends included, one pixel wide.
    virtual void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    // The outline through (x, y) and (x + width, y + height), one pixel wide, in ForeColor.
    virtual void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    // Draws the source rectangle of `picture` stretched into the destination rectangle, each direction
    // on its own, smoothed where it shrinks. kPictureOwnSize as a size means the picture's own.
    virtual void DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y,
                             int32_t width = kPictureOwnSize, int32_t height = kPictureOwnSize,
                             int32_t sourceX = 0, int32_t sourceY = 0, int32_t sourceWidth = kPictureOwnSize,
                             int32_t sourceHeight = kPictureOwnSize) = 0;

    // The colour at (x, y); outside the surface, or on one that cannot be read back, the default colour.
    virtual Color Pixel(int32_t x, int32_t y) const = 0;
    // Sets the pixel at (x, y); outside the surface it does nothing.
    virtual void SetPixel(int32_t x, int32_t y, Color color) = 0;

  private:
    Color foreColor_{};
};
