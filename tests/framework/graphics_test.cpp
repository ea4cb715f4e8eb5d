// Drawing on a picture's Graphics: lines and outlines in ForeColor, and DrawPicture's sizes, stretching
// and smoothing.
#include "framework/graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/picture.h"

namespace {

constexpr Color kWhite{0xFFFFFFFFu}, kBlack{0xFF000000u};
const Color kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// The picture as rows of characters: '#' black, '.' white, 'r', 'g', 'b' red, green, blue, '?' others.
std::string Sketch(const Ref<Picture>& picture) {
    Ref<Graphics> g = picture->Graphics();
    std::string text;
    for (int32_t y = 0; y < picture->Height(); ++y, text += '\n')
        for (int32_t x = 0; x < picture->Width(); ++x) {
            const Color c = g->Pixel(x, y), known[] = {kBlack, kWhite, kRed, kGreen, kBlue};
            text += "#.rgb?"[std::find(std::begin(known), std::end(known), c) - std::begin(known)];
        }
    return text;
}

TEST(Graphics, LinesIncludeBothEndsAndRectanglesOutlineTheirPixelsInForeColourAtEveryDepth) {
    for (int32_t depth : {1, 8, 16, 24, 32}) {
        Ref<Picture> picture = NewPicture(7, 5, depth);
        Ref<Graphics> g = picture->Graphics();  // the colour belongs to this Graphics
        g->DrawLine(0, 0, 3, 0);
        g->DrawLine(6, 0, 6, 4);
        g->DrawRect(0, 1, 0, 3);   // no width: a column
        g->DrawRect(5, 1, -3, 0);  // negative: nothing
        g->SetForeColor(kRed);
        g->DrawRect(2, 2, 3, 2);
        std::string want = "####..#\n#.....#\n#.rrrr#\n#.r..r#\n#.rrrr#\n";
        if (depth == 1) std::replace(want.begin(), want.end(), 'r', '#');  // red is black at 1 bit
        EXPECT_EQ(Sketch(picture), want) << depth;
    }
}

TEST(Graphics, DrawPictureAtItsOwnSizeStretchedOrSmoothlyShrunkButNotOfNil) {
    auto drawn = [](const Ref<Picture>& source, int32_t width, int32_t height, auto... where) {
        Ref<Picture> target = NewPicture(width, height, 32);
        target->Graphics()->DrawPicture(source, where...);
        return Sketch(target);
    };
    // A 2 x 2 picture: red, green over blue, black.
    Ref<Picture> quad = NewPicture(2, 2, 32);
    const Color colours[] = {kRed, kGreen, kBlue, kBlack};
    for (int32_t i = 0; i < 4; ++i) quad->Graphics()->SetPixel(i % 2, i / 2, colours[i]);
    EXPECT_EQ(drawn(quad, 4, 4, 1, 2), "....\n....\n.rg.\n.b#.\n");
    // Each direction stretches on its own.
    EXPECT_EQ(drawn(quad, 4, 2, 0, 0, 4, 2), "rrgg\nbb##\n");
    // A source rectangle: the right column, stretched three times as high.
    EXPECT_EQ(drawn(quad, 1, 6, 0, 0, 1, 6, 1, 0, 1, 2), "g\ng\ng\n#\n#\n#\n");
    // Black and white stripes one pixel wide, shrunk to one pixel: grey ('?'), not one of the stripes.
    Ref<Picture> stripes = NewPicture(8, 8, 32);
    for (int32_t x = 0; x < 8; x += 2) stripes->Graphics()->DrawLine(x, 0, x, 7);
    EXPECT_EQ(drawn(stripes, 1, 1, 0, 0, 1, 1), "?\n");

    EXPECT_THROW(quad->Graphics()->DrawPicture(nullptr, 0, 0), NilObjectException);
}

}  // namespace
