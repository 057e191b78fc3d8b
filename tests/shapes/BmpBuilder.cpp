#include "shapes/BmpBuilder.h"

#include <algorithm>
#include <cstdlib>

namespace {

void Put16(QByteArray& out, std::uint32_t v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8 & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutPixel(QByteArray& row, int x, int bitCount, std::uint32_t value)
{
    if (bitCount >= 8) {
        for (int b = 0; b < bitCount / 8; ++b)
            row.append(char(value >> (8 * b) & 0xFF));
        return;
    }
    const int perByte = 8 / bitCount;
    if (x % perByte == 0)
        row.append('\0');
    const int shift = 8 - bitCount * (x % perByte + 1);
    row[row.size() - 1] = char(uchar(row.back()) | (value & ((1u << bitCount) - 1)) << shift);
}

} // namespace

QByteArray BmpBuilder::Build() const
{
    QByteArray info;
    Put32(info, headerSize);
    Put32(info, std::uint32_t(width));
    Put32(info, std::uint32_t(height));
    Put16(info, 1);
    Put16(info, bitCount);
    Put32(info, compression);
    Put32(info, 0);
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, colorsUsed);
    Put32(info, 0);
    for (std::uint32_t m : masks)
        Put32(info, m);
    if (headerSize > 40)
        info.resize(std::max(info.size(), qsizetype(headerSize)), '\0');
    for (QRgb c : table) {
        Put32(info, PackBgr(c));
    }

    QByteArray bits;
    const int rows = std::abs(height);
    if (bitCount > 0 && width > 0 && width < 4096 && rows < 4096) {
        for (int r = 0; r < rows; ++r) {
            const int y = height < 0 ? r : rows - 1 - r;
            QByteArray row;
            for (int x = 0; x < width; ++x)
                PutPixel(row, x, bitCount, pixel(x, y));
            while (row.size() % 4 != 0)
                row.append('\0');
            bits += row;
        }
    }

    QByteArray file("BM");
    const qsizetype total = 14 + info.size() + bits.size();
    Put32(file, std::uint32_t(total));
    Put32(file, 0);
    Put32(file, bitsOffset ? bitsOffset : std::uint32_t(14 + info.size()));
    file += info;
    file += bits;
    file.chop(cutBits);
    return file;
}
