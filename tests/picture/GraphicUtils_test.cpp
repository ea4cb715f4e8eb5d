// Rotate90: where every pixel lands both ways, on either path, the sizes and settings carried over,
// masks, yields, and a source left as it was.
#include "picture/GraphicUtils.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/background_task.h"
#include "framework/graphics.h"
#include "framework/picture.h"

namespace {

// Colours that every depth from 8 up holds exactly.
const Color kColours[] = {RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(0, 0, 255), RGB(255, 255, 0),
                          RGB(0, 255, 255), RGB(255, 0, 255), RGB(0, 0, 0),   RGB(255, 255, 255)};

using Grid = std::vector<std::vector<Color>>;  // [y][x]

Grid Pixels(const Ref<Picture>& picture) {
    Ref<Graphics> g = picture->Graphics();
    Grid grid(picture->Height(), std::vector<Color>(picture->Width()));
    for (int32_t y = 0; y < picture->Height(); ++y)
        for (int32_t x = 0; x < picture->Width(); ++x) grid[y][x] = g->Pixel(x, y);
    return grid;
}

// A picture of the given size and depth whose pixels differ: from a small palette at depths 8 and 24, a
// different colour for every pixel at 16 and 32.
Ref<Picture> Patterned(int32_t width, int32_t height, int32_t depth, uint32_t seed = 0) {
    Ref<Picture> picture = NewPicture(width, height, depth);
    Ref<Graphics> g = picture->Graphics();
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t n = uint32_t(y * width + x) + seed;
            g->SetPixel(
                x, y,
                depth == 16 || depth == 32 ? Color{0xFF000000u | (n * 2654435761u >> 8)} : kColours[n % 8]);
        }
    return picture;
}

// Checks every pixel of `turned` against the source's, by the mapping told from the new picture's side.
void ExpectTurned(const Grid& source, const Ref<Picture>& turned, bool counterClockwise) {
    const int32_t h = int32_t(source.size()), w = h ? int32_t(source[0].size()) : 0;
    ASSERT_EQ(std::pair(turned->Width(), turned->Height()), std::pair(h, w));
    const Grid got = Pixels(turned);
    for (int32_t y = 0; y < w; ++y)
        for (int32_t x = 0; x < h; ++x) {
            const Color want = counterClockwise ? source[x][w - 1 - y] : source[h - 1 - x][y];
            ASSERT_EQ(got[y][x], want) << "new pixel " << x << "," << y;
        }
}

// Counts the yields made while it lives.
struct YieldCounter {
    int count = 0;
    YieldCounter() {
        SetBackgroundTaskObserver([this] { ++count; });
    }
    ~YieldCounter() { SetBackgroundTaskObserver({}); }
};

TEST(Rotate90, ThreeByTwoLandsAsDrawnInBothDirections) {
    // Source, 3 wide and 2 high:  a b c / d e f.
    Ref<Picture> source = NewPicture(3, 2, 32);
    for (int32_t i = 0; i < 6; ++i) source->Graphics()->SetPixel(i % 3, i / 3, kColours[i]);
    const Color a = kColours[0], b = kColours[1], c = kColours[2], d = kColours[3], e = kColours[4],
                f = kColours[5];
    // Clockwise: d a / e b / f c.  Counter-clockwise: c f / b e / a d.
    EXPECT_EQ(Pixels(GraphicUtils::Rotate90(source, false)), (Grid{{d, a}, {e, b}, {f, c}}));
    EXPECT_EQ(Pixels(GraphicUtils::Rotate90(source, true)), (Grid{{c, f}, {b, e}, {a, d}}));
}

TEST(Rotate90, EveryPixelLandsInItsPlaceAtEveryDepthSizeAndPath) {
    // Sizes around the blocks that the pixel-surface path moves together; a picture that withholds its
    // surface is turned pixel by pixel.
    const std::pair<int32_t, int32_t> sizes[] = {{3, 2}, {2, 3}, {37, 21}, {5, 70}, {70, 5}, {33, 64}};
    for (int32_t depth : {1, 8, 16, 24, 32})
        for (auto [w, h] : sizes)
            for (bool ccw : {false, true})
                for (bool offered : {true, false}) {
                    SCOPED_TRACE(testing::Message()
                                 << depth << " bits " << w << "x" << h << (ccw ? " ccw" : " cw")
                                 << (offered ? "" : " withheld"));
                    Ref<Picture> source = Patterned(w, h, depth);
                    source->SetRGBSurfaceOffered(offered);
                    Ref<Picture> turned = GraphicUtils::Rotate90(source, ccw);
                    ASSERT_TRUE(turned);
                    EXPECT_NE(turned, source);
                    EXPECT_EQ(turned->Depth(), depth);
                    ExpectTurned(Pixels(source), turned, ccw);
                    EXPECT_FALSE(turned->Mask(false)) << "no mask where there was none";
                }
}

TEST(Rotate90, BigPicturesLandInPlaceToo) {
    // Big enough that the turn writes past the caches; the odd height gives a short first block.
    Ref<Picture> source = Patterned(1203, 1801, 32);
    const Grid pixels = Pixels(source);
    for (bool ccw : {false, true}) {
        YieldCounter yields;
        ExpectTurned(pixels, GraphicUtils::Rotate90(source, ccw), ccw);
        EXPECT_EQ(yields.count, 1801);
    }
}

TEST(Rotate90, OnePixelEmptySidesAndNil) {
    Ref<Picture> dot = NewPicture(1, 1, 32);
    dot->Graphics()->SetPixel(0, 0, kColours[2]);
    YieldCounter yields;
    EXPECT_EQ(Pixels(GraphicUtils::Rotate90(dot, false)), (Grid{{kColours[2]}}));
    EXPECT_EQ(yields.count, 1);
    dot->Mask(true);
    GraphicUtils::Rotate90(dot, true);
    EXPECT_EQ(yields.count, 3) << "a pass for the picture and one for its mask";
    for (int32_t depth : {8, 32}) {
        yields.count = 0;
        Ref<Picture> tall = NewPicture(0, 3, depth);  // three rows without pixels: a yield for each
        tall->Mask(true);
        Ref<Picture> turned = GraphicUtils::Rotate90(tall, false);
        EXPECT_EQ(std::pair(turned->Width(), turned->Height()), std::pair(3, 0));
        EXPECT_EQ(yields.count, 6);
        turned = GraphicUtils::Rotate90(NewPicture(4, 0, depth), true);  // no rows: no yield
        EXPECT_EQ(std::pair(turned->Width(), turned->Height()), std::pair(0, 4));
        EXPECT_EQ(yields.count, 6);
    }
    yields.count = 0;
    EXPECT_EQ(GraphicUtils::Rotate90(nullptr, false), nullptr);
    EXPECT_EQ(GraphicUtils::Rotate90(nullptr, true), nullptr);
    EXPECT_EQ(yields.count, 0);
}

TEST(Rotate90, TurnsUndoThemselvesCarryTheSettingsAndLeaveTheSourceAlone) {
    for (int32_t depth : {8, 32}) {
        Ref<Picture> source = Patterned(5, 3, depth);
        source->SetHorizontalResolution(72);
        source->SetVerticalResolution(144);
        source->SetTransparent(1);
        const Grid original = Pixels(source);

        Ref<Picture> once = GraphicUtils::Rotate90(source, false);
        EXPECT_EQ(once->HorizontalResolution(), 144);
        EXPECT_EQ(once->VerticalResolution(), 72);
        EXPECT_EQ(once->Transparent(), 1);

        Ref<Picture> four = source;
        for (int i = 0; i < 4; ++i) four = GraphicUtils::Rotate90(four, false);
        for (const Ref<Picture>& result : {four, GraphicUtils::Rotate90(once, true), source}) {
            EXPECT_EQ(Pixels(result), original);
            EXPECT_EQ(result->HorizontalResolution(), 72);
            EXPECT_EQ(result->VerticalResolution(), 144);
            EXPECT_EQ(result->Transparent(), 1);
        }
    }
    Ref<Picture> other = NewPicture(2, 2, 32);
    other->SetTransparent(-7);
    EXPECT_EQ(GraphicUtils::Rotate90(other, true)->Transparent(), -7);
}

TEST(Rotate90, MaskTurnsWithThePictureWhicheverPathEachTakes) {
    for (auto [imageOffers, maskOffers] :
         {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}})
        for (bool ccw : {false, true}) {
            SCOPED_TRACE(testing::Message() << imageOffers << maskOffers << ccw);
            Ref<Picture> source = Patterned(6, 5, 32);
            const Ref<Picture> sourceMask = Patterned(6, 5, 32, 3);
            source->SetMask(sourceMask);
            source->SetRGBSurfaceOffered(imageOffers);
            sourceMask->SetRGBSurfaceOffered(maskOffers);
            const Grid image = Pixels(source), mask = Pixels(sourceMask);
            YieldCounter yields;
            Ref<Picture> turned = GraphicUtils::Rotate90(source, ccw);
            EXPECT_EQ(yields.count, 10);  // five rows, two passes
            Ref<Picture> turnedMask = turned->Mask(false);
            ASSERT_TRUE(turnedMask);
            ExpectTurned(image, turned, ccw);
            ExpectTurned(mask, turnedMask, ccw);
            // The source keeps its pixels and its mask.
            EXPECT_EQ(Pixels(source), image);
            EXPECT_EQ(source->Mask(false), sourceMask);
            EXPECT_EQ(Pixels(sourceMask), mask);
        }
}

TEST(Rotate90, MaskOfAnotherDepthThanItsPicture) {
    // A 16-bit mask on a 32-bit picture: both surfaces exist but hold words of different widths.
    Ref<Picture> wide = Patterned(7, 4, 32);
    wide->SetMask(Patterned(7, 4, 16, 5));
    ExpectTurned(Pixels(wide->Mask(false)), GraphicUtils::Rotate90(wide, true)->Mask(false), true);

    // A 32-bit mask on an 8-bit picture: the new picture's mask offers no surface to write to, so the
    // mask pass stops before its first pixel with nothing written to either picture.
    Ref<Picture> narrow = Patterned(4, 3, 8);
    narrow->SetMask(Patterned(4, 3, 32, 9));
    const Grid image = Pixels(narrow), mask = Pixels(narrow->Mask(false));
    YieldCounter yields;
    EXPECT_THROW(GraphicUtils::Rotate90(narrow, false), NilObjectException);
    EXPECT_EQ(yields.count, 3);  // the image pass finished
    EXPECT_EQ(Pixels(narrow), image);
    EXPECT_EQ(Pixels(narrow->Mask(false)), mask);
}

TEST(Rotate90, HoldsTheSourceWhenAYieldDropsTheCallersReference) {
    Ref<Picture> stored = Patterned(20, 40, 32);
    const Grid image = Pixels(stored);
    SetBackgroundTaskObserver([&] { stored.reset(); });
    Ref<Picture> turned = GraphicUtils::Rotate90(stored, false);
    SetBackgroundTaskObserver({});
    EXPECT_FALSE(stored);
    ExpectTurned(image, turned, false);
}

}  // namespace
