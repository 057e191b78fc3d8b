#pragma once

#include <cstdint>

// A colour as the user chooses it: hue in degrees (0..360, 360 converts like 0),
// saturation and value as bytes (255 = full).
struct HsvColor
{
    std::int16_t hue = 0;
    std::uint8_t saturation = 255;
    std::uint8_t value = 255;

    friend bool operator==(const HsvColor&, const HsvColor&) = default;
};

// Packed colour: red in bits 0..7, green 8..15, blue 16..23, the rest zero.
using RgbColor = std::uint32_t;

constexpr RgbColor MakeRgb(int red, int green, int blue)
{
    return RgbColor(red & 0xFF) | RgbColor(green & 0xFF) << 8 | RgbColor(blue & 0xFF) << 16;
}
constexpr int RgbRed(RgbColor c) { return int(c & 0xFF); }
constexpr int RgbGreen(RgbColor c) { return int(c >> 8 & 0xFF); }
constexpr int RgbBlue(RgbColor c) { return int(c >> 16 & 0xFF); }
