#include "shapes/BitmapFile.h"

#include <QFile>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kInfoHeaderSize = 40;
constexpr qint64 kMaskBytes = 12;     // red, green, blue masks after a 40-byte header
constexpr qint64 kMaxSide = 16384;
constexpr qint64 kMaxPixels = qint64(1) << 26;
constexpr qint64 kMaxFileSize = qint64(1) << 28;

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

std::uint32_t U32(const uchar* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

std::uint16_t U16(const uchar* p) { return std::uint16_t(p[0] | p[1] << 8); }

struct InfoHeader
{
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
};

InfoHeader ReadInfoHeader(const uchar* p)
{
    InfoHeader h;
    h.size = U32(p);
    h.width = std::int32_t(U32(p + 4));
    h.height = std::int32_t(U32(p + 8));
    h.bitCount = U16(p + 14);
    h.compression = U32(p + 16);
    h.colorsUsed = U32(p + 32);
    return h;
}

// One colour channel of a packed pixel: a contiguous mask, scaled to a byte.
struct Channel
{
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 1;

    int Byte(std::uint32_t pixel) const
    {
        return int(std::uint64_t((pixel & mask) >> shift) * 255u / max);
    }
};

bool MakeChannel(std::uint32_t mask, Channel& channel)
{
    if (mask == 0)
        return false;
    channel.mask = mask;
    channel.shift = std::countr_zero(mask);
    channel.max = mask >> channel.shift;
    return (channel.max & (channel.max + 1)) == 0; // contiguous bits only
}

// Where the pieces of the file lie, all checked against the bytes at hand.
struct Layout
{
    InfoHeader header;
    int width = 0;
    int height = 0;
    bool topDown = false;
    qint64 stride = 0;
    const uchar* table = nullptr;
    int tableEntries = 0;
    const uchar* bits = nullptr;
    std::array<Channel, 3> channels; // red, green, blue for 16 and 32 bits
};

bool IsSupportedDepth(int bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24
        || bitCount == 32;
}

bool CheckSize(const InfoHeader& h, Layout& layout)
{
    if (h.width <= 0 || h.height == 0 || h.height == std::numeric_limits<std::int32_t>::min())
        return false;
    layout.width = h.width;
    layout.topDown = h.height < 0;
    layout.height = layout.topDown ? -h.height : h.height;
    if (layout.width > kMaxSide || layout.height > kMaxSide
        || qint64(layout.width) * layout.height > kMaxPixels)
        return false;
    layout.stride = (qint64(layout.width) * h.bitCount + 31) / 32 * 4;
    return true;
}

bool SetChannels(Layout& layout, std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return MakeChannel(red, layout.channels[0]) && MakeChannel(green, layout.channels[1])
        && MakeChannel(blue, layout.channels[2]);
}

// The bytes after the file header: info header, masks, colour table, bits.
bool FindLayout(const uchar* data, qint64 length, Layout& layout)
{
    if (length < kInfoHeaderSize)
        return false;
    const InfoHeader h = ReadInfoHeader(data);
    layout.header = h;
    // Smaller (older) headers lay their fields out differently; larger ones are read as
    // 40 bytes, but their pixels start after the whole header.
    if (h.size < kInfoHeaderSize || h.size > std::uint64_t(length))
        return false;
    if (!IsSupportedDepth(h.bitCount) || !CheckSize(h, layout))
        return false;
    if (h.compression != kRgb && !(h.compression == kBitFields && (h.bitCount == 16 || h.bitCount == 32)))
        return false;

    qint64 offset = h.size;
    if (h.compression == kBitFields) {
        const qint64 masksAt = kInfoHeaderSize;
        if (h.size == kInfoHeaderSize)
            offset += kMaskBytes;
        if (masksAt + kMaskBytes > length
            || !SetChannels(layout, U32(data + masksAt), U32(data + masksAt + 4), U32(data + masksAt + 8)))
            return false;
    } else if (h.bitCount == 16) {
        SetChannels(layout, 0x7C00, 0x03E0, 0x001F);
    } else if (h.bitCount == 32) {
        SetChannels(layout, 0xFF0000, 0x00FF00, 0x0000FF);
    }

    qint64 entries = h.colorsUsed;
    if (h.bitCount <= 8) {
        const qint64 room = qint64(1) << h.bitCount;
        if (entries == 0)
            entries = room;
        if (entries > room)
            return false;
    }
    if (entries > (length - offset) / 4)
        return false;
    layout.table = data + offset;
    layout.tableEntries = h.bitCount <= 8 ? int(entries) : 0;
    offset += entries * 4;

    if (layout.stride * layout.height > length - offset)
        return false;
    layout.bits = data + offset;
    return true;
}

// Palette with every possible index: entries the file does not define read as black.
std::array<QRgb, 256> ReadPalette(const Layout& layout)
{
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    for (int i = 0; i < layout.tableEntries; ++i) {
        const uchar* e = layout.table + 4 * i;
        palette[size_t(i)] = qRgb(e[2], e[1], e[0]);
    }
    return palette;
}

void DecodeIndexedRow(const uchar* src, QRgb* dst, int width, int bitCount, const std::array<QRgb, 256>& palette)
{
    const int perByte = 8 / bitCount;
    const int mask = (1 << bitCount) - 1;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bitCount * (x % perByte + 1);
        dst[x] = palette[size_t(src[x / perByte] >> shift & mask)];
    }
}

void DecodePackedRow(const uchar* src, QRgb* dst, int width, const Layout& layout)
{
    const bool wide = layout.header.bitCount == 32;
    const auto& c = layout.channels;
    for (int x = 0; x < width; ++x) {
        const std::uint32_t pixel = wide ? U32(src + 4 * x) : U16(src + 2 * x);
        dst[x] = qRgb(c[0].Byte(pixel), c[1].Byte(pixel), c[2].Byte(pixel));
    }
}

void DecodeRow(const uchar* src, QRgb* dst, const Layout& layout, const std::array<QRgb, 256>& palette)
{
    const int bitCount = layout.header.bitCount;
    if (bitCount <= 8) {
        DecodeIndexedRow(src, dst, layout.width, bitCount, palette);
    } else if (bitCount == 24) {
        for (int x = 0; x < layout.width; ++x)
            dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
    } else {
        DecodePackedRow(src, dst, layout.width, layout);
    }
}

} // namespace

bool LoadBitmapBytes(const QByteArray& bytes, QImage& image)
{
    image = QImage();
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize)
        return false;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (data[0] != 'B' || data[1] != 'M')
        return false;
    Layout layout;
    if (!FindLayout(data + kFileHeaderSize, bytes.size() - kFileHeaderSize, layout))
        return false;

    QImage decoded(layout.width, layout.height, QImage::Format_RGB32);
    if (decoded.isNull())
        return false;
    const std::array<QRgb, 256> palette = ReadPalette(layout);
    for (int y = 0; y < layout.height; ++y) {
        const int row = layout.topDown ? y : layout.height - 1 - y;
        DecodeRow(layout.bits + y * layout.stride, reinterpret_cast<QRgb*>(decoded.scanLine(row)), layout, palette);
    }
    image = std::move(decoded);
    return true;
}

bool LoadBitmapFile(const QString& path, QImage& image)
{
    image = QImage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > kMaxFileSize)
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return false;
    return LoadBitmapBytes(bytes, image);
}
