#include "imaging/ImageFileWriter.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include "imaging/JpegFile.h"

namespace
{
const QString kWriteFailedText = QStringLiteral("Error writing file");
const QString kUnknownKindText = QStringLiteral("The image file must end in .png, .jpg, .jpeg or .bmp.");

ImageStatus WriteWithQt(const QString& path, const QImage& picture, const char* format)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ImageStatus::Failure(kWriteFailedText, MessageIcon::Critical);
    QImageWriter writer(&file, format);
    if (!writer.write(picture) || !file.commit())
        return ImageStatus::Failure(kWriteFailedText, MessageIcon::Critical);
    return ImageStatus::Success();
}
} // namespace

ImageFileKind ImageFileKindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ImageFileKind::Png;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return ImageFileKind::Jpeg;
    if (suffix == QLatin1String("bmp"))
        return ImageFileKind::Bmp;
    return ImageFileKind::Unknown;
}

QString ImageSaveFilter()
{
    return QStringLiteral("PNG files (*.png);;JPEG files (*.jpg *.jpeg);;BMP files (*.bmp)");
}

ImageStatus WriteImageFile(const QString& path, const QImage& picture, int quality)
{
    switch (ImageFileKindOf(path)) {
    case ImageFileKind::Png: return WriteWithQt(path, picture, "png");
    case ImageFileKind::Bmp: return WriteWithQt(path, picture, "bmp");
    case ImageFileKind::Jpeg: {
        ImageStatus status = WriteJpegFile(path, quality, picture);
        if (!status.ok && status.message.isEmpty())
            status = ImageStatus::Failure(kWriteFailedText, MessageIcon::Critical);
        return status;
    }
    case ImageFileKind::Unknown: break;
    }
    return ImageStatus::Failure(kUnknownKindText, MessageIcon::Critical);
}
