#include "imaging/BackgroundTemp.h"

#include "imaging/JpegFile.h"

namespace {

PlacedBackground CentredOnDrawing(const QImage& picture, QSize drawing)
{
    return {CropToDrawing(picture, drawing), CentredBackgroundOffset(picture.size(), drawing)};
}

void Report(ImageStatus* status, ImageStatus value)
{
    if (status)
        *status = std::move(value);
}

} // namespace

BackgroundTemp::BackgroundTemp() = default;

QString BackgroundTemp::path() const
{
    return m_dir.filePath(QStringLiteral("DBRtemp.tmp"));
}

ImageStatus BackgroundTemp::WriteBackgroundTemp(const QImage& background)
{
    if (!m_dir.isValid())
        return ImageStatus::Failure(kErrorWritingJpgText, MessageIcon::None);
    return WriteJpegFile(path(), kBackgroundJpegQuality, background);
}

ImageStatus BackgroundTemp::ReadBackgroundTemp(QSize drawing, PlacedBackground& background) const
{
    background = {};
    QImage picture;
    const ImageStatus status = ReadJpegFile(path(), picture);
    if (status.ok)
        background = CentredOnDrawing(picture, drawing);
    return status;
}

QByteArray EncodeBackgroundJpeg(const QImage& background, ImageStatus* status)
{
    QByteArray bytes;
    Report(status, EncodeJpeg(background, kBackgroundJpegQuality, bytes));
    return bytes;
}

bool DecodeBackgroundJpeg(const QByteArray& bytes, QSize drawing, QImage& bitmap, QPoint& offset,
                          ImageStatus* status)
{
    QImage picture;
    const ImageStatus decoded = DecodeJpeg(bytes, picture);
    const PlacedBackground placed = decoded.ok ? CentredOnDrawing(picture, drawing) : PlacedBackground{};
    bitmap = placed.bitmap;
    offset = placed.offset;
    Report(status, decoded);
    return decoded.ok;
}

ImageStatus MakeBackground(const QImage& picture, QSize drawing, BackgroundSizing sizing,
                           PlacedBackground& background)
{
    background = {};
    BackgroundTemp temp;
    const ImageStatus written = temp.WriteBackgroundTemp(PlaceBackground(picture, drawing, sizing).bitmap);
    if (!written.ok)
        return written;
    return temp.ReadBackgroundTemp(drawing, background);
}
