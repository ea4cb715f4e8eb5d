// Shared helpers of the print tests: a page that records its drawing calls, a fixture that prints at 254
// dots per inch (10 dots a millimetre) into such pages, and the calls each cover should make there.
#pragma once

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "editor/Main.h"
#include "framework/graphics.h"
#include "picture_files.h"
#include "support.h"

// The colours of Corners(): red, green and blue at top-left, top-right and bottom-left.
constexpr Color kTopLeft = RGB(255, 0, 0), kTopRight = RGB(0, 255, 0), kBottomLeft = RGB(0, 0, 255);

// A page that keeps its calls as text: "line x1 y1 x2 y2" and "picture x y w h / sx sy sw sh".
class RecordingPage : public Graphics {
  public:
    int32_t Width() const override { return 5000; }
    int32_t Height() const override { return 5000; }
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) override;
    Color Pixel(int32_t, int32_t) const override { return Color{}; }
    void SetPixel(int32_t, int32_t, Color) override { calls.push_back("pixel"); }

    std::vector<std::string> calls;
    std::vector<Ref<Picture>> pictures;
};

class PrintTest : public FrameworkTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A BMP of Corners(width, height) in the temporary folder.
    std::string WritePicture(const std::string& name, int width, int height) {
        return WriteImage(dir, QString::fromStdString(name), Corners(width, height), "BMP");
    }
    std::string PathOf(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    void Click(const Ref<Main>& window, const char* button) { window->Control<PushButton>(button)->Push(); }

    QTemporaryDir dir;
    int dialogs = 0;  // times the print dialog was shown
    bool cancelDialog = false;
    std::vector<Ref<RecordingPage>> pages;  // one a confirmed dialog
};

// The calls of the cover tables at 10 dots a millimetre, for a source of `width` x `height`.
std::vector<std::string> DvdCalls(int width, int height);
std::vector<std::string> CdFrontCalls(int width, int height);
std::vector<std::string> CdBackCalls(int width, int height);
std::vector<std::string> BothCalls(int frontWidth, int frontHeight, int backWidth, int backHeight);
