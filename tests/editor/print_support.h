// Shared helpers of the print tests: a page that records its drawing calls, a fixture that prints at 254
// dots per inch (10 dots a millimetre) into such pages, and the calls each cover should make there.
#pragma once

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "editor/Main.h"
#include "framework/graphics.h"
#include "framework/printing.h"
#include "picture_files.h"
#include "support.h"

// The colours of Corners(): red, green and blue at top-left, top-right and bottom-left.
constexpr Color kTopLeft = RGB(255, 0, 0), kTopRight = RGB(0, 255, 0), kBottomLeft = RGB(0, 0, 255);

inline std::string CallText(const char* kind, std::initializer_list<int32_t> values) {
    std::string text = kind;
    for (int32_t v : values) text += ' ' + std::to_string(v);
    return text;
}

// A page that keeps its calls as text: "line x1 y1 x2 y2" and "picture x y w h / sx sy sw sh".
class RecordingPage : public Graphics {
  public:
    int32_t Width() const override { return 5000; }
    int32_t Height() const override { return 5000; }
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override {
        calls.push_back(CallText("line", {x1, y1, x2, y2}));
    }
    void DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) override {
        calls.push_back(CallText("rect", {x, y, width, height}));
    }
    void DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) override {
        calls.push_back(CallText("picture", {x, y, width, height}) + " /" +
                        CallText("", {sourceX, sourceY, sourceWidth, sourceHeight}));
        pictures.push_back(picture);
    }
    Color Pixel(int32_t, int32_t) const override { return Color{}; }
    void SetPixel(int32_t, int32_t, Color) override { calls.push_back("pixel"); }

    std::vector<std::string> calls;
    std::vector<Ref<Picture>> pictures;
};

class PrintTest : public FrameworkTest {
  protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        SetPageResolution(254);
        Services().printDialog = [this](const Ref<PrinterSetup>&) -> Ref<Graphics> {
            ++dialogs;
            if (cancelDialog) return nullptr;
            return pages.emplace_back(std::make_shared<RecordingPage>());
        };
    }
    void TearDown() override {
        SetPageResolution(0);
        FrameworkTest::TearDown();
    }
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

// The calls of the cover tables at 10 dots a millimetre: four frame lines, then the picture of a source
// of `sw` x `sh` drawn into its rectangle.
inline std::vector<std::string> CoverCalls(std::vector<std::string> lines, int x, int y, int w, int h, int sw,
                                           int sh) {
    lines.push_back(CallText("picture", {x, y, w, h}) + " /" + CallText("", {0, 0, sw, sh}));
    return lines;
}
inline std::vector<std::string> DvdCalls(int sw, int sh) {
    return CoverCalls(
        {"line 0 5 1840 5", "line 0 2735 1840 2735", "line 5 0 5 2740", "line 1835 0 1835 2740"}, 5, 5, 1830,
        2730, sw, sh);
}
inline std::vector<std::string> CdFrontCalls(int sw, int sh) {
    return CoverCalls(
        {"line 0 10 1220 10", "line 0 1210 1220 1210", "line 10 0 10 1220", "line 1210 0 1210 1220"}, 10, 10,
        1200, 1200, sw, sh);
}
inline std::vector<std::string> CdBackCalls(int sw, int sh) {
    return CoverCalls(
        {"line 0 10 1190 10", "line 0 1510 1190 1510", "line 10 0 10 1520", "line 1180 0 1180 1520"}, 10, 10,
        1170, 1500, sw, sh);
}
// Print both: the front, then the back laid below it.
inline std::vector<std::string> BothCalls(int frontWidth, int frontHeight, int backWidth, int backHeight) {
    std::vector<std::string> calls = CdFrontCalls(frontWidth, frontHeight);
    for (const std::string& call : CoverCalls({"line 0 1310 1520 1310", "line 0 2480 1520 2480",
                                               "line 10 1300 10 2490", "line 1510 1300 1510 2490"},
                                              10, 1310, 1500, 1170, backWidth, backHeight))
        calls.push_back(call);
    return calls;
}
