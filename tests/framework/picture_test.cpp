// Pictures: what NewPicture makes, surfaces, masks, and pixels read back as written.
#include "framework/picture.h"

#include <gtest/gtest.h>

#include <QImage>

#include "framework/graphics.h"
#include "framework/rgb_surface.h"

namespace {

constexpr Color kWhite{0xFFFFFFFFu}, kBlack{0xFF000000u};

TEST(Picture, NewPictureIsWhiteWithItsSettingsOrNilWhenItCannotBeMade) {
    for (int32_t depth : {1, 8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        Ref<Picture> picture = NewPicture(5, 3, depth);
        ASSERT_TRUE(picture);
        EXPECT_EQ(std::tuple(picture->Width(), picture->Height(), picture->Depth()), std::tuple(5, 3, depth));
        EXPECT_EQ(std::pair(picture->HorizontalResolution(), picture->VerticalResolution()),
                  std::pair(72, 72));
        EXPECT_EQ(picture->Transparent(), 0);
        EXPECT_EQ(picture->Graphics()->Pixel(4, 2), kWhite);
        EXPECT_FALSE(picture->Mask(false));
        // Surfaces are offered at 16 and 32 bits only.
        Ref<RGBSurface> surface = picture->RGBSurface();
        EXPECT_EQ(surface ? surface->BytesPerPixel() : 0, depth == 16 ? 2 : depth == 32 ? 4 : 0);
    }
    for (auto [w, h, depth] :
         {std::tuple(-1, 3, 32), std::tuple(3, -1, 32), std::tuple(3, 3, 12), std::tuple(3, 3, 0)})
        EXPECT_FALSE(NewPicture(w, h, depth)) << w << "x" << h << "x" << depth;
    Ref<Picture> empty = NewPicture(0, 7, 32);
    ASSERT_TRUE(empty);
    EXPECT_EQ(std::pair(empty->Width(), empty->Height()), std::pair(0, 7));
    EXPECT_EQ(empty->Graphics()->Pixel(0, 0), Color{});
    empty->Graphics()->DrawLine(0, 0, 5, 5);  // nothing to draw on, and no crash

    Ref<Picture> withheld = NewPicture(2, 2, 32);
    withheld->SetRGBSurfaceOffered(false);
    EXPECT_FALSE(withheld->RGBSurface());
}

TEST(Picture, BigPicturesAreWhiteAndWritable) {
    Ref<Picture> picture = NewPicture(1500, 1000, 32);  // big enough for memory of its own
    ASSERT_TRUE(picture);
    Ref<RGBSurface> surface = picture->RGBSurface();
    EXPECT_EQ(surface->Pixel(1499, 999), kWhite);
    surface->SetPixel(1499, 999, RGB(1, 2, 3));
    EXPECT_EQ(picture->Graphics()->Pixel(1499, 999), RGB(1, 2, 3));
    EXPECT_EQ(picture->Image().pixel(1499, 999), RGB(1, 2, 3).value);
}

TEST(Picture, ColoursComeBackAsWrittenAtEachDepthAndPixelsOutsideAreIgnored) {
    // Colours every depth holds exactly: black and white, and for 8 bits and more colours of its table.
    const Color shared[] = {kBlack, kWhite};
    const Color rich[] = {RGB(255, 0, 0), RGB(0, 51, 204), RGB(102, 153, 255)};
    for (int32_t depth : {1, 8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        Ref<Picture> picture = NewPicture(3, 2, depth);
        Ref<Graphics> graphics = picture->Graphics();
        std::vector<Color> colours(std::begin(shared), std::end(shared));
        if (depth == 8 || depth >= 24) colours.insert(colours.end(), std::begin(rich), std::end(rich));
        for (Color c : colours) {
            graphics->SetPixel(2, 1, c);
            EXPECT_EQ(graphics->Pixel(2, 1), c);
            EXPECT_EQ(graphics->Pixel(1, 1), kWhite);  // the neighbour is untouched
        }
        // A colour read and written back stays the same even where the depth had to round it.
        graphics->SetPixel(0, 0, RGB(13, 200, 77));
        const Color rounded = graphics->Pixel(0, 0);
        graphics->SetPixel(1, 0, rounded);
        EXPECT_EQ(graphics->Pixel(1, 0), rounded);
        if (Ref<RGBSurface> surface = picture->RGBSurface()) {
            surface->SetPixel(0, 1, RGB(255, 0, 0));
            EXPECT_EQ(surface->Pixel(0, 1), RGB(255, 0, 0));
            EXPECT_EQ(graphics->Pixel(0, 1), RGB(255, 0, 0));
        }
        for (auto [x, y] : {std::pair(-1, 0), std::pair(3, 1), std::pair(1, 2)}) {
            graphics->SetPixel(x, y, kBlack);
            EXPECT_EQ(graphics->Pixel(x, y), Color{});
        }
        EXPECT_EQ(graphics->Pixel(1, 1), kWhite);
    }
}

TEST(Picture, SurfaceAndGraphicsAgreeOnEvery16BitWord) {
    Ref<Picture> picture = NewPicture(256, 256, 16);
    Ref<RGBSurface> surface = picture->RGBSurface();
    for (int32_t word = 0; word < 65536; ++word)
        surface->Row<uint16_t>(word / 256)[word % 256] = uint16_t(word);
    Ref<Graphics> graphics = picture->Graphics();
    for (int32_t word = 0; word < 65536; ++word) {
        const Color c = surface->Pixel(word % 256, word / 256);
        ASSERT_EQ(c, graphics->Pixel(word % 256, word / 256)) << word;
        ASSERT_EQ(RGBSurface::ToRGB565(c), word);
    }
}

TEST(Picture, GraphicsIsOneObjectWhileHeldAndKeepsThePictureAlive) {
    Ref<Picture> picture = NewPicture(2, 2, 32);
    Ref<Graphics> graphics = picture->Graphics();
    graphics->SetForeColor(RGB(1, 2, 3));
    EXPECT_EQ(picture->Graphics(), graphics);
    Ref<RGBSurface> surface = picture->RGBSurface();
    picture.reset();
    graphics->SetPixel(1, 1, kBlack);
    surface->SetPixel(0, 0, kBlack);
    EXPECT_EQ(graphics->Pixel(0, 0), kBlack);
}

TEST(Picture, MaskIsMadeOnlyWhenAskedThenKeptAndMustMatchItsSize) {
    Ref<Picture> picture = NewPicture(4, 3, 32);
    EXPECT_FALSE(GetExistingPictureMask(picture, false));
    EXPECT_FALSE(picture->Mask(false));
    Ref<Picture> mask = picture->Mask(true);
    ASSERT_TRUE(mask);
    EXPECT_EQ(std::tuple(mask->Width(), mask->Height(), mask->Depth()), std::tuple(4, 3, 32));
    EXPECT_EQ(mask->Graphics()->Pixel(3, 2), kBlack);
    EXPECT_EQ(picture->Mask(true), mask);
    Ref<Picture> existing = GetExistingPictureMask(picture, false);
    EXPECT_EQ(existing, mask);
    UnlockObjectReference(existing);
    EXPECT_FALSE(existing);
    for (int32_t depth : {1, 8})
        EXPECT_EQ(NewPicture(3, 3, depth)->Mask(true)->Graphics()->Pixel(2, 2), kBlack);
    EXPECT_THROW(GetExistingPictureMask(nullptr, false), NilObjectException);

    EXPECT_THROW(picture->SetMask(NewPicture(3, 4, 32)), std::invalid_argument);
    EXPECT_EQ(picture->Mask(false), mask) << "a mask of another size is refused";
    picture->SetMask(nullptr);
    EXPECT_FALSE(picture->Mask(false));
}

TEST(Picture, WrapsImagesByTheirFormats) {
    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60)});
    EXPECT_EQ(std::pair(Picture(indexed).Depth(), Picture(indexed).Image().colorTable().size()),
              std::pair(8, qsizetype(2)));
    EXPECT_EQ(Picture(QImage(3, 1, QImage::Format_RGB16)).Depth(), 16);
    EXPECT_EQ(Picture(QImage(3, 1, QImage::Format_RGB888)).Depth(), 24);
    const Picture fromArgb(QImage(3, 1, QImage::Format_ARGB32));
    EXPECT_EQ(std::pair(fromArgb.Depth(), fromArgb.Image().format()), std::pair(32, QImage::Format_RGB32));
    EXPECT_EQ(Picture(QImage()).Width(), 0);
}

}  // namespace
