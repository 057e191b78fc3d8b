#include "imaging/PackedDib.h"

#include <QtEndian>

#include <cstring>

namespace {

constexpr int kHeaderSize = 40;

void PutLe32(char* at, quint32 value)
{
    qToLittleEndian(value, at);
}

void PutLe16(char* at, quint16 value)
{
    qToLittleEndian(value, at);
}

qsizetype RowStride(int width)
{
    return (qsizetype(width) * 24 + 31) / 32 * 4;
}

void WriteHeader(char* out, int width, int height, qsizetype imageSize)
{
    std::memset(out, 0, kHeaderSize);
    PutLe32(out, kHeaderSize);
    PutLe32(out + 4, quint32(width));
    PutLe32(out + 8, quint32(height));
    PutLe16(out + 12, 1);  // planes
    PutLe16(out + 14, 24); // bit count
    PutLe32(out + 20, quint32(imageSize)); // compression (offset 16) stays BI_RGB = 0
}

void WriteRow(char* out, const QRgb* pixels, int width)
{
    for (int x = 0; x < width; ++x) {
        *out++ = char(qBlue(pixels[x]));
        *out++ = char(qGreen(pixels[x]));
        *out++ = char(qRed(pixels[x]));
    }
}

} // namespace

QByteArray MakeDib(const QImage& picture)
{
    if (picture.isNull())
        return {};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int height = rgb.height();
    const qsizetype stride = RowStride(rgb.width());
    QByteArray dib(kHeaderSize + stride * height, '\0');
    WriteHeader(dib.data(), rgb.width(), height, stride * height);
    for (int y = 0; y < height; ++y) {
        char* row = dib.data() + kHeaderSize + stride * (height - 1 - y);
        WriteRow(row, reinterpret_cast<const QRgb*>(rgb.constScanLine(y)), rgb.width());
    }
    return dib;
}
