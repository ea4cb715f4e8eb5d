// PictureGraphics: the Graphics of a picture: draws into its image and reads and sets its pixels directly.
#pragma once

#include <memory>

#include "framework/painter_graphics.h"

class ColorTableLookup;

class PictureGraphics : public PainterGraphics {
  public:
    explicit PictureGraphics(Ref<Picture> picture);
    ~PictureGraphics() override;

    Color Pixel(int32_t x, int32_t y) const override;
    void SetPixel(int32_t x, int32_t y, Color color) override;

  protected:
    // Opens a painter on the picture for one drawing call; 1-bit and 8-bit pictures, which Qt cannot
    // paint on, are drawn as 32-bit ones and brought back to their colour tables.
    void Paint(const std::function<void(QPainter&)>& draw) override;

  private:
    bool Inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

    Ref<Picture> picture_;
    std::unique_ptr<ColorTableLookup> lookup_;  // for 1-bit and 8-bit pictures
};
