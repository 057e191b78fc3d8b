// Any bytes as a picture chosen for Import or Load background. BMP pictures take another
// road than shapes (the image reader, not the shape reader), so they get a target of their own.
#include <cstddef>
#include <cstdint>

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "imaging/PictureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    // Pictures that say they are large read slowly but through the same checks; the JPEG
    // target lowers its limit the same way.
    const QSize said = QImageReader(path).size();
    if (said.isValid() && qint64(said.width()) * said.height() > qint64(1024) * 1024)
        return 0;
    QImage picture;
    const ImageStatus status = ReadPictureFile(path, picture);
    if (status.ok != !picture.isNull() || (status.ok && picture.format() != QImage::Format_RGB32))
        __builtin_trap();
    return 0;
}
