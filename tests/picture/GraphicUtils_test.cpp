// Rotate90: where every pixel of a picture and of its mask lands both ways, on either path, at every
// depth; the yields, the settings carried over, refusals, and a source left as it was.
#include "picture/GraphicUtils.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "framework/background_task.h"
#include "framework/graphics.h"
#include "framework/picture.h"

namespace {

using Grid = std::vector<std::vector<Color>>;  // [y][x]

Grid Pixels(const Ref<Picture>& picture) {
    Ref<Graphics> g = picture->Graphics();
    Grid grid(picture->Height(), std::vector<Color>(picture->Width()));
    for (int32_t y = 0; y < picture->Height(); ++y)
        for (int32_t x = 0; x < picture->Width(); ++x) grid[y][x] = g->Pixel(x, y);
    return grid;
}

// A picture of the given size and depth whose pixels differ: a different colour for every pixel, as
// near as the depth holds it. Indexed pictures have a colour table of their own, unlike new ones.
Ref<Picture> Patterned(int32_t width, int32_t height, int32_t depth, uint32_t seed = 0) {
    Ref<Picture> picture = NewPicture(width, height, depth);
    QList<QRgb> table;
    for (uint32_t i = 0; depth <= 8 && i < 1u << depth; ++i) table << (0xFF000000u | (i + seed + 7) * 40503u);
    if (depth <= 8) picture->MutableImage().setColorTable(table);
    Ref<Graphics> g = picture->Graphics();
    for (uint32_t n = 0; n < uint32_t(width * height); ++n)
        g->SetPixel(n % width, n / width, Color{0xFF000000u | ((n + seed) * 2654435761u >> 8)});
    return picture;
}

// Checks `turned` against the source's pixels, by the mapping told from the new picture's side:
// clockwise, the source's bottom-left pixel lands top-left.
void ExpectTurned(const Grid& source, const Ref<Picture>& turned, bool counterClockwise) {
    const int32_t h = int32_t(source.size()), w = h ? int32_t(source[0].size()) : 0;
    Grid want(w, std::vector<Color>(h));
    for (int32_t y = 0; y < w; ++y)
        for (int32_t x = 0; x < h; ++x)
            want[y][x] = counterClockwise ? source[x][w - 1 - y] : source[h - 1 - x][y];
    ASSERT_TRUE(turned);
    EXPECT_EQ(Pixels(turned), want);
}

// Counts the yields made while it lives.
struct YieldCounter {
    int count = 0;
    YieldCounter() {
        SetBackgroundTaskObserver([this] { ++count; });
    }
    ~YieldCounter() { SetBackgroundTaskObserver({}); }
};

TEST(Rotate90, TurnsPictureMaskAndSettingsAtEveryDepthSizeAndPathYieldingPerRowAndLeavingTheSource) {
    // Sizes around the squares and blocks that the pixel-surface path moves together; a picture or mask
    // that withholds its surface is turned pixel by pixel.
    const std::pair<int32_t, int32_t> sizes[] = {{1, 1},   {0, 3},  {3, 2},  {2, 3},
                                                 {37, 21}, {5, 70}, {70, 5}, {33, 64}};
    for (int32_t depth : {1, 8, 16, 24, 32})
        for (auto [w, h] : sizes)
            for (bool ccw : {false, true})
                for (bool offered : {true, false})
                    for (int mask : {0, 1, 2}) {  // none, one offering its surface, one withholding it
                        SCOPED_TRACE(testing::Message() << depth << " bits " << w << "x" << h << " ccw "
                                                        << ccw << " offered " << offered << " mask " << mask);
                        Ref<Picture> source = Patterned(w, h, depth);
                        source->SetRGBSurfaceOffered(offered);
                        source->SetVerticalResolution(144);
                        source->SetTransparent(1);
                        const Ref<Picture> sourceMask = mask ? Patterned(w, h, depth, 3) : nullptr;
                        if (mask) sourceMask->SetRGBSurfaceOffered(mask == 1);
                        source->SetMask(sourceMask);
                        const Grid image = Pixels(source), maskImage = mask ? Pixels(sourceMask) : Grid{};
                        YieldCounter yields;
                        Ref<Picture> turned = GraphicUtils::Rotate90(source, ccw);
                        EXPECT_EQ(yields.count, mask ? 2 * h : h);
                        ExpectTurned(image, turned, ccw);
                        EXPECT_EQ(std::tuple(turned->Depth(), turned->HorizontalResolution(),
                                             turned->VerticalResolution(), turned->Transparent()),
                                  std::tuple(depth, 144, 72, 1));
                        EXPECT_EQ(turned->Mask(false) != nullptr, mask != 0);
                        if (mask) ExpectTurned(maskImage, turned->Mask(false), ccw);
                        EXPECT_EQ(Pixels(source), image);
                        EXPECT_EQ(mask ? Pixels(sourceMask) : Grid{}, maskImage);
                    }
}

TEST(Rotate90, BigPicturesLandInPlaceEvenWhenAYieldDropsTheCallersReference) {
    // Big enough that the turn writes past the caches; the odd height gives a short first block. The
    // turn must hold the source itself: a handler run by a yield may drop the caller's last reference.
    const Grid pixels = Pixels(Patterned(1203, 1801, 32));
    for (bool ccw : {false, true}) {
        Ref<Picture> stored = Patterned(1203, 1801, 32);
        int yields = 0;
        SetBackgroundTaskObserver([&] { ++yields, stored.reset(); });
        Ref<Picture> turned = GraphicUtils::Rotate90(stored, ccw);
        SetBackgroundTaskObserver({});
        EXPECT_EQ(yields, 1801);
        EXPECT_FALSE(stored);
        ExpectTurned(pixels, turned, ccw);
    }
}

TEST(Rotate90, MaskOfAnotherDepthTurnsOrStopsBeforeItsFirstPixel) {
    // A 16-bit mask on a 32-bit picture: both surfaces exist but hold words of different widths.
    Ref<Picture> wide = Patterned(7, 4, 32);
    wide->SetMask(Patterned(7, 4, 16, 5));
    for (bool ccw : {false, true})
        ExpectTurned(Pixels(wide->Mask(false)), GraphicUtils::Rotate90(wide, ccw)->Mask(false), ccw);

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

}  // namespace
