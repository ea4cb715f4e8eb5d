// Shared helpers of the print tests: a page that records its drawing calls, a fixture that prints at 254
// dots per inch (10 dots a millimetre) into such pages, and the calls each print should make there.
#pragma once

#include <tuple>

#include "cover_support.h"
#include "framework/background_task.h"
#include "framework/graphics.h"
#include "framework/pixel_memory.h"
#include "framework/printing.h"

// A page of `width` x `height` dots that keeps its calls as text, "line x1 y1 x2 y2|picture x y w h sx sy
// sw sh lies|", where a picture of WritePicture() lies "upright" or "turned" a quarter turn clockwise, and
// any other "other".
class RecordingPage : public Graphics {
  public:
    RecordingPage(int32_t width, int32_t height) : width(width), height(height) {}
    int32_t Width() const override { return width; }
    int32_t Height() const override { return height; }
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override { Add("line", {x1, y1, x2, y2}); }
    void DrawRect(int32_t x, int32_t y, int32_t w, int32_t h) override { Add("rect", {x, y, w, h}); }
    void DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y, int32_t w, int32_t h, int32_t sx,
                     int32_t sy, int32_t sw, int32_t sh) override {
        const Ref<Graphics> g = picture->Graphics();
        const int32_t r = picture->Width() - 1, b = picture->Height() - 1;
        const auto corners = std::tuple(RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255));  // its corners
        Add("picture", {x, y, w, h, sx, sy, sw, sh},
            std::tuple(g->Pixel(0, 0), g->Pixel(r, 0), g->Pixel(0, b)) == corners   ? " upright"
            : std::tuple(g->Pixel(r, 0), g->Pixel(r, b), g->Pixel(0, 0)) == corners ? " turned"
                                                                                    : " other");
        pictures.push_back(picture);
    }
    Color Pixel(int32_t, int32_t) const override { return Color{}; }
    void SetPixel(int32_t x, int32_t y, Color) override { Add("pixel", {x, y}); }

    const int32_t width, height;
    std::string calls;
    std::vector<Ref<Picture>> pictures;

  private:
    void Add(const char* kind, std::initializer_list<int32_t> values, const char* more = "") {
        calls += kind;
        for (int32_t v : values) calls += ' ' + std::to_string(v);
        calls += std::string(more) + '|';
    }
};

class PrintTest : public CoverTest {
  protected:
    void SetUp() override {
        CoverTest::SetUp();
        SetPageResolution(254);
        Services().printDialog = [this](const Ref<PrinterSetup>&) {
            return pages.emplace_back(std::make_shared<RecordingPage>(pageWidth, pageHeight));
        };
    }
    void TearDown() override {
        SetBackgroundTaskObserver({});
        SetImageByteLimit(int64_t(1) << 40);
        SetPageResolution(0);
        CoverTest::TearDown();
    }
    // A BMP in the temporary folder, mid grey with a red, green and blue pixel at its top-left, top-right
    // and bottom-left corners: where they land tells whether and how it was turned.
    std::string WritePicture(const char* name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(128, 128, 128));
        for (auto [x, y, rgb] : {std::tuple(0, 0, qRgb(255, 0, 0)),
                                 {width - 1, 0, qRgb(0, 255, 0)},
                                 {0, height - 1, qRgb(0, 0, 255)}})
            image.setPixel(x, y, rgb);
        return WriteImage(dir, name, image, "BMP");
    }

    std::vector<Ref<RecordingPage>> pages;  // one a dialog
    int32_t pageWidth = 5000, pageHeight = 5000;
};

// Each print's calls at 10 dots a millimetre, four frame lines and the picture's rectangle, to be followed by
// Source(): the picture's source of `w` x `h` pixels and how it lies. Print both lays the back on its
// side below the front.
inline const std::string kDvdPrint =
    "line 0 5 1840 5|line 0 2735 1840 2735|line 5 0 5 2740|line 1835 0 1835 2740|picture 5 5 1830 2730";
inline const std::string kCdFrontPrint =
    "line 0 10 1220 10|line 0 1210 1220 1210|line 10 0 10 1220|line 1210 0 1210 1220|picture 10 10 1200 1200";
inline const std::string kCdBackPrint =
    "line 0 10 1190 10|line 0 1510 1190 1510|line 10 0 10 1520|line 1180 0 1180 1520|picture 10 10 1170 1500";
inline const std::string kLaidCdBackPrint =
    "line 0 1310 1520 1310|line 0 2480 1520 2480|line 10 1300 10 2490|line 1510 1300 1510 2490|"
    "picture 10 1310 1500 1170";
inline std::string Source(int w, int h, const char* lies) {
    return " 0 0 " + std::to_string(w) + ' ' + std::to_string(h) + ' ' + lies + '|';
}
