// Drawing on a picture's Graphics: lines and outlines in ForeColor, and DrawPicture's sizes, stretching
// and smoothing.
#include "framework/graphics.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/picture.h"

namespace {

constexpr Color kWhite{0xFFFFFFFFu}, kBlack{0xFF000000u};
const Color kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// The picture as rows of characters: '#' black, '.' white, 'r', 'g', 'b' red, green, blue, '?' others.
std::string Sketch(const Ref<Picture>& picture) {
    Ref<Graphics> g = picture->Graphics();
    std::string text;
    for (int32_t y = 0; y < picture->Height(); ++y) {
        for (int32_t x = 0; x < picture->Width(); ++x) {
            const Color c = g->Pixel(x, y);
            text += c == kBlack   ? '#'
                    : c == kWhite ? '.'
                    : c == kRed   ? 'r'
                    : c == kGreen ? 'g'
                    : c == kBlue  ? 'b'
                                  : '?';
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
        Ref<Graphics> g = picture->Graphics();  // the colour belongs to this Graphics
        g->SetForeColor(kRed);
        g->DrawLine(0, 2, 3, 2);
        EXPECT_EQ(Sketch(picture), "....\n....\nrrrr\n....\n") << depth;
    }
    Ref<Picture> mono = NewPicture(4, 2, 1);
    mono->Graphics()->DrawLine(1, 1, 2, 1);
    EXPECT_EQ(Sketch(mono), "....\n.##.\n");
}

TEST(Graphics, DrawPictureAtItsOwnSizeStretchedOrOfNothing) {
    // A 2 x 2 picture: red, green over blue, black.
    Ref<Picture> quad = NewPicture(2, 2, 32);
    for (auto [x, y, c] : {std::tuple(0, 0, kRed), std::tuple(1, 0, kGreen), std::tuple(0, 1, kBlue),
                           std::tuple(1, 1, kBlack)})
        quad->Graphics()->SetPixel(x, y, c);

    Ref<Picture> own = NewPicture(4, 4, 32);
    own->Graphics()->DrawPicture(quad, 1, 2, kPictureOwnSize, kPictureOwnSize, 0, 0, kPictureOwnSize,
                                 kPictureOwnSize);
    EXPECT_EQ(Sketch(own), "....\n....\n.rg.\n.b#.\n");
    // Each direction stretches on its own.
    Ref<Picture> wide = NewPicture(4, 2, 32);
    wide->Graphics()->DrawPicture(quad, 0, 0, 4, 2, 0, 0, kPictureOwnSize, kPictureOwnSize);
    EXPECT_EQ(Sketch(wide), "rrgg\nbb##\n");
    // A source rectangle: the right column, stretched three times as high.
    Ref<Picture> column = NewPicture(1, 6, 32);
    column->Graphics()->DrawPicture(quad, 0, 0, 1, 6, 1, 0, 1, 2);
    EXPECT_EQ(Sketch(column), "g\ng\ng\n#\n#\n#\n");

    Ref<Picture> target = NewPicture(2, 2, 32);
    EXPECT_THROW(target->Graphics()->DrawPicture(nullptr, 0, 0), NilObjectException);
    target->Graphics()->DrawPicture(NewPicture(0, 0, 32), 0, 0);
    target->Graphics()->DrawPicture(quad, 0, 0, 0, 2);
    EXPECT_EQ(Sketch(target), "..\n..\n");
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

}  // namespace
