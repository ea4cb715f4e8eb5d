// Drawing on a picture's Graphics: lines and outlines in ForeColor, and DrawPicture's sizes, stretching
// and smoothing.
#include "framework/graphics.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/picture.h"

namespace {

constexpr Color kWhite{0xFFFFFFFFu}, kBlack{0xFF000000u};
const Color kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// The picture as rows of characters: '#' for black, '.' for white, '?' for anything else.
std::string Sketch(const Ref<Picture>& picture) {
    Ref<Graphics> g = picture->Graphics();
    std::string text;
    for (int32_t y = 0; y < picture->Height(); ++y) {
        for (int32_t x = 0; x < picture->Width(); ++x) {
            const Color c = g->Pixel(x, y);
            text += c == kBlack ? '#' : c == kWhite ? '.' : '?';
        }
        text += '\n';
    }
    return text;
}

TEST(Graphics, LinesIncludeBothEndsAndRectanglesOutlineTheirPixels) {
    Ref<Picture> picture = NewPicture(6, 5, 32);
    Ref<Graphics> g = picture->Graphics();
    g->DrawLine(0, 0, 3, 0);
    g->DrawLine(5, 1, 5, 4);
    EXPECT_EQ(Sketch(picture), "####..\n.....#\n.....#\n.....#\n.....#\n");

    Ref<Picture> boxed = NewPicture(6, 5, 32);
    boxed->Graphics()->DrawRect(1, 1, 3, 2);
    EXPECT_EQ(Sketch(boxed), "......\n.####.\n.#..#.\n.####.\n......\n");
    boxed->Graphics()->DrawRect(0, 0, 0, 4);   // no width: a column
    boxed->Graphics()->DrawRect(0, 0, -1, 4);  // negative: nothing
    EXPECT_EQ(Sketch(boxed), "#.....\n#####.\n##..#.\n#####.\n#.....\n");
    // A frame of the whole surface runs along its edges.
    Ref<Picture> framed = NewPicture(4, 3, 32);
    framed->Graphics()->DrawRect(0, 0, framed->Width() - 1, framed->Height() - 1);
    EXPECT_EQ(Sketch(framed), "####\n#..#\n####\n");
}

TEST(Graphics, DrawsInForeColourAtLowDepthsToo) {
    for (int32_t depth : {8, 16, 32}) {
        Ref<Picture> picture = NewPicture(4, 4, depth);
        Ref<Graphics> g = picture->Graphics();
        g->SetForeColor(kRed);
        g->DrawLine(0, 2, 3, 2);
        EXPECT_EQ(g->Pixel(3, 2), kRed) << depth;
        EXPECT_EQ(g->Pixel(3, 3), kWhite) << depth;
    }
    Ref<Picture> mono = NewPicture(4, 2, 1);
    mono->Graphics()->DrawLine(1, 1, 2, 1);
    EXPECT_EQ(Sketch(mono), "....\n.##.\n");
}

// A 2 x 2 picture: red, green over blue, black.
Ref<Picture> Quad() {
    Ref<Picture> picture = NewPicture(2, 2, 32);
    Ref<Graphics> g = picture->Graphics();
    g->SetPixel(0, 0, kRed);
    g->SetPixel(1, 0, kGreen);
    g->SetPixel(0, 1, kBlue);
    g->SetPixel(1, 1, kBlack);
    return picture;
}

TEST(Graphics, DrawPictureAtItsOwnSize) {
    Ref<Picture> target = NewPicture(4, 4, 32);
    Ref<Graphics> g = target->Graphics();
    g->DrawPicture(Quad(), 1, 2, kPictureOwnSize, kPictureOwnSize, 0, 0, kPictureOwnSize, kPictureOwnSize);
    EXPECT_EQ(g->Pixel(1, 2), kRed);
    EXPECT_EQ(g->Pixel(2, 2), kGreen);
    EXPECT_EQ(g->Pixel(1, 3), kBlue);
    EXPECT_EQ(g->Pixel(2, 3), kBlack);
    EXPECT_EQ(g->Pixel(0, 2), kWhite);
    EXPECT_EQ(g->Pixel(3, 3), kWhite);
    EXPECT_EQ(g->Pixel(1, 1), kWhite);
}

TEST(Graphics, DrawPictureStretchesEachDirectionOnItsOwn) {
    Ref<Picture> target = NewPicture(4, 2, 32);
    Ref<Graphics> g = target->Graphics();
    g->DrawPicture(Quad(), 0, 0, 4, 2, 0, 0, kPictureOwnSize, kPictureOwnSize);
    const Color expected[2][4] = {{kRed, kRed, kGreen, kGreen}, {kBlue, kBlue, kBlack, kBlack}};
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(g->Pixel(x, y), expected[y][x]) << x << "," << y;

    // A source rectangle: the right column, stretched three times as high.
    Ref<Picture> column = NewPicture(1, 6, 32);
    column->Graphics()->DrawPicture(Quad(), 0, 0, 1, 6, 1, 0, 1, 2);
    for (int32_t y = 0; y < 6; ++y) EXPECT_EQ(column->Graphics()->Pixel(0, y), y < 3 ? kGreen : kBlack) << y;
}

TEST(Graphics, DrawPictureSmoothsWhereItShrinks) {
    // Black and white stripes one pixel wide, shrunk to one pixel: grey, not one of the stripes.
    Ref<Picture> stripes = NewPicture(8, 8, 32);
    for (int32_t x = 0; x < 8; x += 2) stripes->Graphics()->DrawLine(x, 0, x, 7);
    Ref<Picture> target = NewPicture(1, 1, 32);
    target->Graphics()->DrawPicture(stripes, 0, 0, 1, 1, 0, 0, kPictureOwnSize, kPictureOwnSize);
    const Color grey = target->Graphics()->Pixel(0, 0);
    EXPECT_GT(grey.Red(), 90);
    EXPECT_LT(grey.Red(), 165);
    EXPECT_EQ(grey.Red(), grey.Blue());
}

TEST(Graphics, DrawPictureOfNothing) {
    Ref<Picture> target = NewPicture(2, 2, 32);
    Ref<Graphics> g = target->Graphics();
    EXPECT_THROW(g->DrawPicture(nullptr, 0, 0), NilObjectException);
    g->DrawPicture(NewPicture(0, 0, 32), 0, 0);
    g->DrawPicture(Quad(), 0, 0, 0, 2);
    EXPECT_EQ(g->Pixel(0, 0), kWhite);
}

}  // namespace
