// PainterGraphics: a Graphics that draws through a QPainter, for canvases during their paint event and
// for printer pages; PictureGraphics builds on it.
#pragma once

#include <functional>

#include "framework/graphics.h"

class QPainter;
class QPen;

class PainterGraphics : public Graphics {
  public:
    // Draws with `painter`, which the caller keeps active while this Graphics is used.
    PainterGraphics(QPainter* painter, int32_t width, int32_t height);

    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) override;
    // A painter's device cannot be read back in general: the default colour.
    Color Pixel(int32_t x, int32_t y) const override;
    void SetPixel(int32_t x, int32_t y, Color color) override;

  protected:
    // Puts the picture's own size in place of kPictureOwnSize; false when nothing is left to draw.
    static bool ResolveSizes(const Picture& source, int32_t& width, int32_t& height, int32_t& sourceWidth,
                             int32_t& sourceHeight);

    // For subclasses that open a painter for each drawing call and override Paint.
    PainterGraphics(int32_t width, int32_t height) : PainterGraphics(nullptr, width, height) {}

    // Runs `draw` on the painter.
    virtual void Paint(const std::function<void(QPainter&)>& draw);
    // The pen of lines and outlines: one device pixel wide, in ForeColor.
    virtual QPen LinePen() const;

  private:
    QPainter* painter_;
    int32_t width_;
    int32_t height_;
};
