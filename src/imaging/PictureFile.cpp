#include "imaging/PictureFile.h"

#include "imaging/JpegFile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

enum class PictureKind
{
    Bmp,
    Jpeg,
};

PictureKind KindOf(const QString& path)
{
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(2) : QByteArray();
    if (head == "BM")
        return PictureKind::Bmp;
    if (head == "\xFF\xD8")
        return PictureKind::Jpeg;
    const bool bmpName = QFileInfo(path).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
    return bmpName ? PictureKind::Bmp : PictureKind::Jpeg;
}

ImageStatus ReadBmpFile(const QString& path, QImage& picture)
{
    QImageReader reader(path, "bmp");
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels)
        return ImageStatus::Failure(kPictureTooLargeText, MessageIcon::Critical);
    const QImage read = reader.read();
    if (read.isNull())
        return ImageStatus::Failure({}, MessageIcon::Critical);
    picture = read.convertToFormat(QImage::Format_RGB32);
    return ImageStatus::Success();
}

} // namespace

QString PictureFileFilter()
{
    return QStringLiteral("All Supported Formats (*.bmp *.jpg);;BMP files (*.bmp);;JPEG files (*.jpg)");
}

ImageStatus ReadPictureFile(const QString& path, QImage& picture)
{
    picture = QImage();
    if (KindOf(path) == PictureKind::Bmp)
        return ReadBmpFile(path, picture);
    return ReadJpegFile(path, picture);
}

std::vector<UserMessage> PictureReadFailureMessages(const ImageStatus& failure)
{
    std::vector<UserMessage> messages;
    if (!failure.message.isEmpty())
        messages.emplace_back(failure.message, failure.icon, failure.title);
    messages.emplace_back(kErrorReadingFileText, MessageIcon::Critical);
    return messages;
}
