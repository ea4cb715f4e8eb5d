// GraphicUtils: Rotate90 turns the image, then the mask when the source already has one, each pass
// through pixel surfaces where both pictures offer them and through drawing surfaces otherwise.
#include "picture/GraphicUtils.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "framework/background_task.h"
#include "framework/graphics.h"
#include "framework/rgb_surface.h"
#include "picture/pixel_square.h"

namespace GraphicUtils {
namespace {

// The accessors of one pass: two pixel surfaces, or else two drawing surfaces.
struct PassPair {
    Ref<RGBSurface> sourceSurface, destinationSurface;
    Ref<Graphics> sourceGraphics, destinationGraphics;
};

// Picks the pair by `from`, then asks the picture that `destination` gives for the same kind of accessor.
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

// Rows of words at a fixed distance in bytes, kept in locals: stores of pixels could otherwise alias
// the surfaces' fields and have them read again after every store.
template <class Word>
struct RowsOf {
    Word* first;
    std::ptrdiff_t stride;
    Word* Row(int32_t y) const {
        using Byte = std::conditional_t<std::is_const_v<Word>, const uint8_t, uint8_t>;
        return reinterpret_cast<Word*>(reinterpret_cast<Byte*>(first) + y * stride);
    }
};

// Destinations bigger than this are written past the caches: they would not fit anyway, and streaming
// saves reading every destination line before it is written.
constexpr int64_t kStreamFrom = int64_t(8) << 20;

// Moves a block of source rows at a time, so that every destination row gets 64 bytes of a block in one
// go; in the block, squares of kLanes x kLanes pixels are turned in registers. Rows are taken from the
// top, so every row is finished before its yield.
template <class Word, bool counterClockwise>
void TurnWords(const RGBSurface& fromSurface, const RGBSurface& toSurface, int32_t maxX, int32_t maxY) {
    constexpr int32_t kLanes = Square<Word>::kLanes;
    constexpr int32_t kBlock = 64 / sizeof(Word);
    const RowsOf<const Word> from{fromSurface.Row<Word>(0), fromSurface.BytesPerLine()};
    const RowsOf<Word> to{toSurface.Row<Word>(0), toSurface.BytesPerLine()};
    const int32_t width = maxX + 1, height = maxY + 1;
    const int32_t wholeWidth = width - width % kLanes;
    // Clockwise, a short first block lets every whole block end on a 64-byte boundary of its rows.
    const int32_t firstBlock = counterClockwise || height % kBlock == 0 ? kBlock : height % kBlock;
    const bool stream = int64_t(toSurface.Height()) * to.stride >= kStreamFrom &&
                        reinterpret_cast<uintptr_t>(to.Row(0)) % 64 == 0 && to.stride % 64 == 0;
    for (int32_t y0 = 0; y0 < height;) {
        const int32_t count = std::min(y0 == 0 ? firstBlock : kBlock, height - y0);
        const int32_t wholeRows = count - count % kLanes;
        const bool streamBlock = stream && count == kBlock;
        // Clockwise, the lowest source row of a square comes first in its destination row.
        const Word* in[kBlock];
        for (int32_t r = 0; r < wholeRows; r += kLanes)
            for (int32_t i = 0; i < kLanes; ++i)
                in[r + i] = from.Row(y0 + r + (counterClockwise ? i : kLanes - 1 - i));
        for (int32_t x = 0; x < wholeWidth; x += kLanes) {
            for (int32_t r = 0; r < wholeRows; r += kLanes) {
                const int32_t y = y0 + r;
                Square<Word> square;
                for (int32_t i = 0; i < kLanes; ++i) square.Load(i, in[r + i] + x);
                square.Transpose();
                for (int32_t i = 0; i < kLanes; ++i) {
                    Word* out = counterClockwise ? to.Row(maxX - x - i) + y
                                                 : to.Row(x + i) + (maxY - y - (kLanes - 1));
                    if (streamBlock)
                        square.Stream(i, out);
                    else
                        square.Store(i, out);
                }
            }
        }
        // What the squares left: the block's last rows and the picture's last columns.
        for (int32_t r = 0; r < count; ++r) {
            const int32_t y = y0 + r;
            const Word* row = from.Row(y);
            for (int32_t x = r < wholeRows ? wholeWidth : 0; x < width; ++x) {
                if (counterClockwise)
                    to.Row(maxX - x)[y] = row[x];
                else
                    to.Row(x)[maxY - y] = row[x];
            }
        }
        if (streamBlock) Square<Word>::FinishStreams();
        YieldRows(count);
        y0 += count;
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
            return counterClockwise ? TurnWords<uint32_t, true>(from, to, maxX, maxY)
                                    : TurnWords<uint32_t, false>(from, to, maxX, maxY);
        if (from.BytesPerPixel() == 2 && to.BytesPerPixel() == 2)
            return counterClockwise ? TurnWords<uint16_t, true>(from, to, maxX, maxY)
                                    : TurnWords<uint16_t, false>(from, to, maxX, maxY);
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
    // Indexed pictures keep their own colours.
    if (turned) turned->UseColorTableOf(*keep);
    const int32_t maxX = width - 1, maxY = height - 1;

    TurnPass(ChoosePair(*keep, [&]() -> Picture& { return NonNil(turned, "new picture"); }), maxX, maxY,
             counterClockwise);

    if (HasMask(keep)) {
        Ref<Picture> sourceMask = keep->Mask(true);
        Ref<Picture> turnedMask;
        const PassPair pair = ChoosePair(NonNil(sourceMask, "source mask"), [&]() -> Picture& {
            turnedMask = NonNil(turned, "new picture").Mask(true);
            NonNil(turnedMask, "new mask").UseColorTableOf(*sourceMask);
            return *turnedMask;
        });
        TurnPass(pair, maxX, maxY, counterClockwise);
    }

    turned->SetHorizontalResolution(keep->VerticalResolution());
    turned->SetVerticalResolution(keep->HorizontalResolution());
    turned->SetTransparent(keep->Transparent());
    return turned;
}

}  // namespace GraphicUtils
