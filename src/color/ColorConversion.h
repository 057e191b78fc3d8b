#pragma once

#include "color/HsvColor.h"

// Byte (0..255) to fraction (0..1) as every colour conversion does it: 255 gives exactly 1.
constexpr float kByteToFraction = 0.003921569f;

inline float ByteFraction(int byte) { return float(byte) * kByteToFraction; }

struct HsvFractions
{
    float hue = 0;        // degrees, 0 up to (not including) 360
    float saturation = 0; // 0..1
    float value = 0;      // 0..1
};

// Converts hue (0..360) with saturation and value fractions to a packed colour.
// Single precision throughout; channels are truncated, so a round trip can lose a step.
RgbColor HsvToRgb(int hue, float saturation, float value);

// Converts the low bytes of red, green and blue to hue, saturation and value fractions.
HsvFractions RgbToHsv(int red, int green, int blue);

// HsvToRgb of a stored colour (bytes turned into fractions).
RgbColor HsvColorToRgb(const HsvColor& color);

// RgbToHsv truncated into a stored colour.
HsvColor RgbToHsvColor(int red, int green, int blue);
