// GraphicUtils: Rotate90 turns the image, then the mask when the source already has one, each pass
// through pixel surfaces where both pictures offer them and through drawing surfaces otherwise.
#include "picture/GraphicUtils.h"

#include <algorithm>
#include <cstdint>

#include "framework/background_task.h"
#include "framework/graphics.h"
#include "framework/rgb_surface.h"

namespace GraphicUtils {
namespace {

// The accessors of one pass: two pixel surfaces, or else two drawing surfaces.
struct PassPair {
    Ref<RGBSurface> sourceSurface, destinationSurface;
    Ref<Graphics> sourceGraphics, destinationGraphics;
};

// Picks the pair from `from`, asking `to` (made on demand, may be nil) for the same kind of accessor.
template <class MakeDestination>
PassPair ChoosePair(Picture& from, MakeDestination destination) {
    PassPair pair;
    if (from.Depth() >= 16) pair.sourceSurface = from.RGBSurface();
    if (pair.sourceSurface) {
        pair.destinationSurface = destination().RGBSurface();
    } else {
        pair.sourceGraphics = from.Graphics();
        pair.destinationGraphics = destination().Graphics();
    }
    return pair;
}

void YieldRows(int32_t rows) {
    for (int32_t i = 0; i < rows; ++i) RuntimeBackgroundTask();
}

// Moves a block of kRows source rows at a time, column by column, so that every destination row gets
// one whole cache line per block; the block's rows are all finished before their yields.
template <class Word>
void TurnWords(const RGBSurface& from, const RGBSurface& to, int32_t maxX, int32_t maxY,
               bool counterClockwise) {
    constexpr int32_t kRows = 64 / sizeof(Word);
    const int32_t width = maxX + 1, height = maxY + 1;
    const Word* rows[kRows];
    for (int32_t y0 = 0; y0 < height; y0 += kRows) {
        const int32_t count = std::min(kRows, height - y0);
        for (int32_t r = 0; r < count; ++r) rows[r] = from.Row<Word>(y0 + r);
        if (count == kRows && !counterClockwise) {
            for (int32_t x = 0; x < width; ++x) {
                Word* out = to.Row<Word>(x) + (maxY - y0 - (kRows - 1));
                for (int32_t r = 0; r < kRows; ++r) out[kRows - 1 - r] = rows[r][x];
            }
        } else if (count == kRows) {
            for (int32_t x = 0; x < width; ++x) {
                Word* out = to.Row<Word>(maxX - x) + y0;
                for (int32_t r = 0; r < kRows; ++r) out[r] = rows[r][x];
            }
        } else {
            for (int32_t x = 0; x < width; ++x)
                for (int32_t r = 0; r < count; ++r) {
                    const int32_t y = y0 + r;
                    if (counterClockwise)
                        to.Row<Word>(maxX - x)[y] = rows[r][x];
                    else
                        to.Row<Word>(x)[maxY - y] = rows[r][x];
                }
        }
        YieldRows(count);
    }
}

// One pass: every source pixel read once and written once to its place in the turned picture.
void TurnPass(const PassPair& pair, int32_t maxX, int32_t maxY, bool counterClockwise) {
    if (maxX < 0) return YieldRows(maxY + 1);
    if (maxY < 0) return;
    if (pair.sourceSurface || pair.destinationSurface) {
        // The destination is tested first, so that nothing is written when either is missing.
        RGBSurface& to = NonNil(pair.destinationSurface, "destination pixel surface");
        const RGBSurface& from = NonNil(pair.sourceSurface, "source pixel surface");
        if (from.BytesPerPixel() == 4 && to.BytesPerPixel() == 4)
            return TurnWords<uint32_t>(from, to, maxX, maxY, counterClockwise);
        if (from.BytesPerPixel() == 2 && to.BytesPerPixel() == 2)
            return TurnWords<uint16_t>(from, to, maxX, maxY, counterClockwise);
        // Surfaces of different widths meet through the colour value.
        for (int32_t y = 0; y <= maxY; ++y) {
            for (int32_t x = 0; x <= maxX; ++x) {
                if (counterClockwise)
                    to.SetPixel(y, maxX - x, from.Pixel(x, y));
                else
                    to.SetPixel(maxY - y, x, from.Pixel(x, y));
            }
            RuntimeBackgroundTask();
        }
        return;
    }
    Graphics& to = NonNil(pair.destinationGraphics, "destination graphics");
    const Graphics& from = NonNil(pair.sourceGraphics, "source graphics");
    for (int32_t y = 0; y <= maxY; ++y) {
        if (counterClockwise)
            for (int32_t x = 0; x <= maxX; ++x) to.SetPixel(y, maxX - x, from.Pixel(x, y));
        else
            for (int32_t x = 0; x <= maxX; ++x) to.SetPixel(maxY - y, x, from.Pixel(x, y));
        RuntimeBackgroundTask();
    }
}

// Whether `picture` already has a mask; none is made by asking.
bool HasMask(const Ref<Picture>& picture) {
    Ref<Picture> mask = GetExistingPictureMask(picture, false);
    if (!mask) return false;
    UnlockObjectReference(mask);
    return true;
}

}  // namespace

Ref<Picture> Rotate90(const Ref<Picture>& source, bool counterClockwise) {
    if (!source) return nullptr;
    const Ref<Picture> keep = source;  // the turn holds the source even if a yield's handler drops it
    const int32_t height = keep->Height(), width = keep->Width(), depth = keep->Depth();
    Ref<Picture> turned = NewPicture(height, width, depth);
    const int32_t maxX = width - 1, maxY = height - 1;

    TurnPass(ChoosePair(*keep, [&]() -> Picture& { return NonNil(turned, "new picture"); }), maxX, maxY,
             counterClockwise);

    if (HasMask(keep)) {
        Ref<Picture> sourceMask = keep->Mask(true);
        Ref<Picture> turnedMask;
        const PassPair pair = ChoosePair(NonNil(sourceMask, "source mask"), [&]() -> Picture& {
            turnedMask = NonNil(turned, "new picture").Mask(true);
            return NonNil(turnedMask, "new mask");
        });
        TurnPass(pair, maxX, maxY, counterClockwise);
    }

    turned->SetHorizontalResolution(keep->VerticalResolution());
    turned->SetVerticalResolution(keep->HorizontalResolution());
    turned->SetTransparent(keep->Transparent());
    return turned;
}

}  // namespace GraphicUtils
