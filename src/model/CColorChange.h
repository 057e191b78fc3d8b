#pragma once

#include <cstdint>

#include "color/HsvColor.h"

class ByteReader;
class ByteWriter;

// From glob number globIndex on, the shape of that glob is drawn in this colour.
struct CColorChange
{
    static constexpr int kSchema = 2;

    CColorChange() = default;
    CColorChange(int globIndex_, int hue_, int saturation_, int value_)
        : globIndex(globIndex_), hue(std::int16_t(hue_)), saturation(std::uint8_t(saturation_)),
          value(std::uint8_t(value_))
    {
    }
    CColorChange(int globIndex_, HsvColor color)
        : CColorChange(globIndex_, color.hue, color.saturation, color.value)
    {
    }

    HsvColor Color() const { return {hue, saturation, value}; }
    void SetColor(HsvColor color)
    {
        hue = color.hue;
        saturation = color.saturation;
        value = color.value;
    }

    // Stored form: glob index, hue, saturation, value (8 bytes).
    void Store(ByteWriter& out) const;
    // Schema 1 stored nothing and means full red at glob 0. False on an unknown schema or
    // when the bytes run out.
    bool Load(ByteReader& in, int schema);

    friend bool operator==(const CColorChange&, const CColorChange&) = default;

    std::int32_t globIndex = 0;
    std::int16_t hue = 0;
    std::uint8_t saturation = 255;
    std::uint8_t value = 255;
};
