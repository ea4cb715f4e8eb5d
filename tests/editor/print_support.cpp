#include "print_support.h"

#include "framework/printing.h"
#include "framework/services.h"

namespace {

std::string Text(const char* kind, std::initializer_list<int32_t> values) {
    std::string text = kind;
    for (int32_t v : values) text += ' ' + std::to_string(v);
    return text;
}

std::string PictureCall(int x, int y, int w, int h, int sw, int sh) {
    return Text("picture", {x, y, w, h}) + " /" + Text("", {0, 0, sw, sh});
}

}  // namespace

void RecordingPage::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    calls.push_back(Text("line", {x1, y1, x2, y2}));
}

void RecordingPage::DrawRect(int32_t x, int32_t y, int32_t width, int32_t height) {
    calls.push_back(Text("rect", {x, y, width, height}));
}

void RecordingPage::DrawPicture(const Ref<Picture>& picture, int32_t x, int32_t y, int32_t width,
                                int32_t height, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                                int32_t sourceHeight) {
    calls.push_back(Text("picture", {x, y, width, height}) + " /" +
                    Text("", {sourceX, sourceY, sourceWidth, sourceHeight}));
    pictures.push_back(picture);
}

void PrintTest::SetUp() {
    FrameworkTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    SetPageResolution(254);
    Services().printDialog = [this](const Ref<PrinterSetup>&) -> Ref<Graphics> {
        ++dialogs;
        if (cancelDialog) return nullptr;
        pages.push_back(std::make_shared<RecordingPage>());
        return pages.back();
    };
}

void PrintTest::TearDown() {
    SetPageResolution(0);
    FrameworkTest::TearDown();
}

std::vector<std::string> DvdCalls(int width, int height) {
    return {"line 0 5 1840 5", "line 0 2735 1840 2735", "line 5 0 5 2740", "line 1835 0 1835 2740",
            PictureCall(5, 5, 1830, 2730, width, height)};
}

std::vector<std::string> CdFrontCalls(int width, int height) {
    return {"line 0 10 1220 10", "line 0 1210 1220 1210", "line 10 0 10 1220", "line 1210 0 1210 1220",
            PictureCall(10, 10, 1200, 1200, width, height)};
}

std::vector<std::string> CdBackCalls(int width, int height) {
    return {"line 0 10 1190 10", "line 0 1510 1190 1510", "line 10 0 10 1520", "line 1180 0 1180 1520",
            PictureCall(10, 10, 1170, 1500, width, height)};
}

std::vector<std::string> BothCalls(int frontWidth, int frontHeight, int backWidth, int backHeight) {
    std::vector<std::string> calls = CdFrontCalls(frontWidth, frontHeight);
    calls.insert(calls.end(),
                 {"line 0 1310 1520 1310", "line 0 2480 1520 2480", "line 10 1300 10 2490",
                  "line 1510 1300 1510 2490", PictureCall(10, 1310, 1500, 1170, backWidth, backHeight)});
    return calls;
}
