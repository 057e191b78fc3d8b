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

// Converts colours of one hue (0..360) with saturation and value fractions to packed colours;
// the hue's sector is worked out once, for shading a shape's many tones in one colour.
// Single precision throughout; channels are truncated, so a round trip can lose a step.
class HueConversion
{
public:
    explicit HueConversion(int hue)
    {
        const float h = float(hue == 360 ? 0 : hue) * kDegreesToSector;
        const int sector = int(h);
        const float f = h - float(sector);
        // Each channel is value * (1 - saturation * weight): the hue's sector decides which
        // channel is the value itself (weight 0), which is the lowest (1), and which lies
        // between, rising through the sector (1 - f) or falling (f).
        const float rising = 1.0f - f;
        switch (sector) {
        case 0: m_weights = {0.0f, rising, 1.0f}; break;
        case 1: m_weights = {f, 0.0f, 1.0f}; break;
        case 2: m_weights = {1.0f, 0.0f, rising}; break;
        case 3: m_weights = {1.0f, f, 0.0f}; break;
        case 4: m_weights = {rising, 1.0f, 0.0f}; break;
        default: m_weights = {0.0f, 1.0f, f}; break;
        }
    }

    // A saturation of 0 gives grey: every weight then leaves the value exactly as it is.
    struct Weights
    {
        float red, green, blue;
    };
    const Weights& ChannelWeights() const { return m_weights; }

    RgbColor ToRgb(float saturation, float value) const
    {
        return MakeRgb(Channel(saturation, value, m_weights.red), Channel(saturation, value, m_weights.green),
                       Channel(saturation, value, m_weights.blue));
    }

private:
    static constexpr float kDegreesToSector = 0.016666668f; // nearest float to 1/60, slightly above it

public:
    // Channels are truncated to bytes through double precision.
    static int Channel(float saturation, float value, float weight)
    {
        return int(double(value * (1.0f - saturation * weight)) * 255.0) & 0xFF;
    }

private:
    Weights m_weights{};
};

// HsvToRgb of a single colour.
RgbColor HsvToRgb(int hue, float saturation, float value);

// Converts the low bytes of red, green and blue to hue, saturation and value fractions.
HsvFractions RgbToHsv(int red, int green, int blue);

// HsvToRgb of a stored colour (bytes turned into fractions).
RgbColor HsvColorToRgb(const HsvColor& color);

// RgbToHsv truncated into a stored colour.
HsvColor RgbToHsvColor(int red, int green, int blue);
