// Pictures: what NewPicture makes and refuses, pixels read back as written through either accessor,
// masks, and the depths of wrapped images.
#include "framework/picture.h"

#include <gtest/gtest.h>

#include <QImage>

#include "framework/graphics.h"
#include "framework/rgb_surface.h"

namespace {

constexpr Color kWhite{0xFFFFFFFFu}, kBlack{0xFF000000u};

TEST(Picture, NewPictureIsWhiteAt72DpiWithSurfacesAt16And32BitsOrNilWhenItCannotBeMade) {
    // 1500 x 1000 is big enough for memory of its own at 16 bits and more.
    for (int32_t depth : {1, 8, 16, 24, 32})
        for (auto [w, h] : {std::pair(5, 3), std::pair(1500, 1000)}) {
            SCOPED_TRACE(testing::Message() << depth << " bits " << w << "x" << h);
            Ref<Picture> picture = NewPicture(w, h, depth);
            ASSERT_TRUE(picture);
            EXPECT_EQ(picture->Graphics()->Pixel(w - 1, h - 1), kWhite);
            Ref<RGBSurface> surface = picture->RGBSurface();
            EXPECT_EQ(surface ? surface->BytesPerPixel() : 0, depth == 16 ? 2 : depth == 32 ? 4 : 0);
        }
    for (auto [w, h, depth] :
         {std::tuple(-1, 3, 32), std::tuple(3, -1, 32), std::tuple(3, 3, 12), std::tuple(3, 3, 0)})
        EXPECT_FALSE(NewPicture(w, h, depth)) << w << "x" << h << "x" << depth;
    Ref<Picture> plain = NewPicture(2, 2, 32);
    EXPECT_EQ(std::tuple(plain->HorizontalResolution(), plain->VerticalResolution(), plain->Transparent()),
              std::tuple(72, 72, 0));
    plain->SetRGBSurfaceOffered(false);
    EXPECT_FALSE(plain->RGBSurface()) << "a surface withheld";
}

TEST(Picture, ColoursComeBackAsWrittenAtEachDepthAndPixelsOutsideAreIgnored) {
    // Colours each depth holds exactly: black and white at 1 bit, red too at 16, and colours of the 8-bit
    // table at 8, 24 and 32.
    const Color colours[] = {kBlack, kWhite, RGB(255, 0, 0), RGB(0, 51, 204), RGB(102, 153, 255)};
    for (int32_t depth : {1, 8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        Ref<Picture> picture = NewPicture(3, 2, depth);
        Ref<Graphics> graphics = picture->Graphics();
        graphics->SetPixel(0, 0, RGB(0, 128, 255));  // a colour that 16 bits round
        for (int i = 0; i < (depth == 1 ? 2 : depth == 16 ? 3 : 5); ++i) {
            graphics->SetPixel(2, 1, colours[i]);
            EXPECT_EQ(graphics->Pixel(2, 1), colours[i]);
        }
        if (Ref<RGBSurface> surface = picture->RGBSurface()) {
            surface->SetPixel(0, 1, RGB(0, 128, 255));  // rounded as Graphics rounds it
            EXPECT_EQ(graphics->Pixel(0, 1), graphics->Pixel(0, 0));
        }
        for (auto [x, y] : {std::pair(-1, 0), std::pair(3, 1), std::pair(1, 2)}) {
            graphics->SetPixel(x, y, kBlack);
            EXPECT_EQ(graphics->Pixel(x, y), Color{});
        }
        EXPECT_EQ(graphics->Pixel(1, 1), kWhite);  // untouched by its neighbours and by pixels outside
    }
}

TEST(Picture, SurfaceAndGraphicsAgreeOnEvery16BitWord) {
    Ref<Picture> picture = NewPicture(256, 256, 16);
    Ref<RGBSurface> surface = picture->RGBSurface();
    for (int32_t word = 0; word < 65536; ++word) {
        surface->Row<uint16_t>(word / 256)[word % 256] = uint16_t(word);
        const Color c = picture->Graphics()->Pixel(word % 256, word / 256);
        ASSERT_EQ(surface->Pixel(word % 256, word / 256), c) << word;
        ASSERT_EQ(RGBSurface::ToRGB565(c), word);
    }
}

// A picture held only by its Graphics or its surface is used after the caller let it go (the sanitizer
// build sees a use of freed memory should either accessor not hold it).
TEST(Picture, GraphicsIsOneObjectWhileHeldAndEachAccessorKeepsThePictureAlive) {
    Ref<Picture> picture = NewPicture(2, 2, 32);
    Ref<Graphics> graphics = picture->Graphics();
    EXPECT_EQ(picture->Graphics(), graphics);
    picture.reset();
    graphics->SetPixel(0, 0, kBlack);
    EXPECT_EQ(graphics->Pixel(0, 0), kBlack);
    Ref<RGBSurface> surface = NewPicture(2, 2, 32)->RGBSurface();
    surface->SetPixel(0, 0, kBlack);
    EXPECT_EQ(surface->Pixel(0, 0), kBlack);
}

TEST(Picture, MaskIsMadeBlackWhenAskedThenKeptAndAMaskOfAnotherSizeIsRefused) {
    for (int32_t depth : {1, 8, 32}) {
        Ref<Picture> picture = NewPicture(4, 3, depth);
        Ref<Picture> mask = picture->Mask(true);
        EXPECT_EQ(std::tuple(mask->Width(), mask->Height(), mask->Depth()), std::tuple(4, 3, depth));
        EXPECT_EQ(mask->Graphics()->Pixel(3, 2), kBlack);
        EXPECT_THROW(picture->SetMask(NewPicture(3, 4, depth)), std::invalid_argument);
        EXPECT_EQ(picture->Mask(true), mask);
        picture->SetMask(nullptr);
        EXPECT_FALSE(picture->Mask(false));
    }
}

TEST(Picture, WrappedImagesTakeTheDepthOfTheirFormatKeepingTheirColourTableAndDroppingAlpha) {
    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(40, 50, 60)});
    indexed.fill(1);
    EXPECT_EQ(Picture(indexed).Image().pixel(1, 1), qRgb(40, 50, 60));
    for (auto [format, depth] : {std::pair(QImage::Format_Indexed8, 8), std::pair(QImage::Format_RGB16, 16),
                                 std::pair(QImage::Format_RGB888, 24), std::pair(QImage::Format_ARGB32, 32)})
        EXPECT_EQ(Picture(QImage(3, 1, format)).Depth(), depth) << format;
    EXPECT_EQ(Picture(QImage(3, 1, QImage::Format_ARGB32)).Image().format(), QImage::Format_RGB32);
}

}  // namespace
