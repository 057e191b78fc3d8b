// Feeds arbitrary bytes to the BMP reader; whatever it accepts is made into a shape,
// prepared, stamped at and across the edges of a small drawing, and recoloured.
#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QImage>

#include "shapes/BitmapFile.h"
#include "shapes/CShape.h"

namespace {

constexpr int kMaxShapePixels = 64 * 64; // larger pictures are read but not worth stamping

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QImage image;
    if (!LoadBitmapBytes(bytes, image))
        return 0;
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        __builtin_trap();
    if (qint64(image.width()) * image.height() > kMaxShapePixels)
        return 0;

    CShape shape(QStringLiteral("f_1.bmp"), image);
    if (!shape.Prepare())
        return 0;
    const int seed = size > 0 ? data[size / 2] : 0;
    shape.Recolor(seed * 7 % 361, seed, 255 - seed);
    QImage target(40, 30, QImage::Format_RGB32);
    target.fill(0xFF808080);
    const int places[][2] = {{20, 15}, {0, 0}, {39, 29}, {-10, 5}, {seed - 100, seed % 40}};
    for (const auto& p : places)
        shape.Draw(target, p[0], p[1]);
    return 0;
}
