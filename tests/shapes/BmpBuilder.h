#pragma once

#include <QByteArray>
#include <QColor>

#include <cstdint>
#include <functional>
#include <vector>

// Writes small BMP files in memory, including ones no sane writer would produce.
struct BmpBuilder
{
    std::int32_t width = 1;
    std::int32_t height = 1; // negative: top-down rows
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t headerSize = 40;     // bytes written for the info header (at least 40)
    std::uint32_t bitsOffset = 0;      // file header's offset field; 0 = where the bits really are
    std::vector<QRgb> table;           // colour table as written
    std::vector<std::uint32_t> masks;  // red, green, blue; after a 40-byte header or inside a larger one
    // Raw value for pixel (x, y), y counted from the top: an index, or the packed pixel.
    std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
    qsizetype cutBits = 0;              // bytes dropped from the end of the file

    QByteArray Build() const;
};

// A packed pixel of the plain 24- and 32-bit layouts (blue in the low byte).
inline std::uint32_t PackBgr(QRgb c) { return std::uint32_t(c) & 0xFFFFFFu; }
