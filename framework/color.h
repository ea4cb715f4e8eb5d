// Colour values: one 32-bit word as a 32-bit picture stores its pixel (0xAARRGGBB, opaque = 0xFF alpha).
#pragma once

#include <cstdint>

struct Color {
    uint32_t value = 0xFF000000u;

    constexpr int Red() const { return (value >> 16) & 0xFF; }
    constexpr int Green() const { return (value >> 8) & 0xFF; }
    constexpr int Blue() const { return value & 0xFF; }
    friend constexpr bool operator==(Color a, Color b) { return a.value == b.value; }
};

constexpr Color RGB(int red, int green, int blue) {
    return Color{0xFF000000u | (uint32_t(red & 0xFF) << 16) | (uint32_t(green & 0xFF) << 8) |
                 uint32_t(blue & 0xFF)};
}
