#include "imaging/JpegFile.h"

#include <cstddef>
#include <cstdint>

// Feeds arbitrary bytes to the JPEG reader. The pixel limit is lowered so that each input
// decodes quickly; the checks it exercises are the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QImage image;
    const ImageStatus status = DecodeJpeg(bytes, image, qint64(1024) * 1024);
    if (status.ok != !image.isNull())
        __builtin_trap();
    return 0;
}
