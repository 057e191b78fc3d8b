#include "imaging/PaddedImage.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr qsizetype kAliasingPeriod = 2048; // bytes between rows that share cache sets
constexpr qsizetype kPadding = 64;          // one cache line
constexpr size_t kAlignment = 64;

void FreeBuffer(void* buffer) { std::free(buffer); }

} // namespace

QImage NewPaddedImage(QSize size)
{
    if (size.isEmpty())
        return QImage(size, QImage::Format_RGB32);
    qsizetype stride = qsizetype(size.width()) * 4;
    if (stride % kAliasingPeriod == 0)
        stride += kPadding;
    const qsizetype rows = size.height();
    if (rows > std::numeric_limits<qsizetype>::max() / stride)
        return QImage();
    const size_t bytes = (size_t(stride * rows) + kAlignment - 1) / kAlignment * kAlignment;
    void* buffer = std::aligned_alloc(kAlignment, bytes);
    if (!buffer)
        return QImage(); // a null image, as QImage gives when memory runs out
    QImage image(static_cast<uchar*>(buffer), size.width(), size.height(), stride, QImage::Format_RGB32, FreeBuffer,
                 buffer);
    if (image.isNull())
        std::free(buffer);
    return image;
}

void CopyPixels(const QImage& from, QImage& to)
{
    if (to.size() != from.size() || to.format() != from.format() || to.isNull()) {
        to = from.format() == QImage::Format_RGB32 ? NewPaddedImage(from.size()) : from.copy();
        if (to.isNull() || to.format() != from.format())
            return;
    }
    const size_t rowBytes = size_t(from.width()) * size_t(from.depth() / 8);
    const uchar* in = from.constBits();
    uchar* out = to.bits();
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(out + y * to.bytesPerLine(), in + y * from.bytesPerLine(), rowBytes);
}
