#include "color/ColorConversion.h"

RgbColor HsvToRgb(int hue, float saturation, float value)
{
    return HueConversion(hue).ToRgb(saturation, value);
}

HsvFractions RgbToHsv(int red, int green, int blue)
{
    const float r = ByteFraction(red & 0xFF);
    const float g = ByteFraction(green & 0xFF);
    const float b = ByteFraction(blue & 0xFF);
    float max = r > g ? r : g;
    if (b > max)
        max = b;
    float min = r < g ? r : g;
    if (b < min)
        min = b;

    HsvFractions out;
    out.value = max;
    if (max == 0.0f)
        return out;
    const float delta = max - min;
    out.saturation = delta / max;
    if (out.saturation == 0.0f)
        return out;

    float sector;
    if (r == max)
        sector = (g - b) / delta;
    else if (g == max)
        sector = 2.0f + (b - r) / delta;
    else
        sector = 4.0f + (r - g) / delta;
    out.hue = sector * 60.0f;
    if (out.hue < 0.0f)
        out.hue += 360.0f;
    return out;
}

RgbColor HsvColorToRgb(const HsvColor& color)
{
    return HsvToRgb(color.hue, ByteFraction(color.saturation), ByteFraction(color.value));
}

HsvColor RgbToHsvColor(int red, int green, int blue)
{
    const HsvFractions f = RgbToHsv(red, green, blue);
    HsvColor c;
    c.hue = std::int16_t(f.hue);
    c.saturation = std::uint8_t(f.saturation * 255.0f);
    c.value = std::uint8_t(f.value * 255.0f);
    return c;
}
