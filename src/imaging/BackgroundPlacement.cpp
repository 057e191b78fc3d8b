#include "imaging/BackgroundPlacement.h"

#include <algorithm>

namespace {

QSize FitSize(QSize picture, QSize drawing)
{
    const double ratio = double(picture.height()) / double(picture.width());
    int a = drawing.width();
    int b = int(drawing.width() * ratio);
    if (drawing.height() < b) {
        b = drawing.height();
        a = int(drawing.height() / ratio);
    }
    // A picture far wider or taller than the drawing would otherwise shrink to nothing.
    return QSize(std::max(a, 1), std::max(b, 1));
}

} // namespace

QSize PlacedBackgroundSize(QSize picture, QSize drawing, BackgroundSizing sizing)
{
    switch (sizing) {
    case BackgroundSizing::FitDrawing:
        return FitSize(picture, drawing);
    case BackgroundSizing::SquashStretch:
        return drawing;
    case BackgroundSizing::Normal:
        break;
    }
    return picture;
}

QPoint CentredBackgroundOffset(QSize bitmap, QSize drawing)
{
    const int x = (drawing.width() - bitmap.width()) / 2;
    const int y = (drawing.height() - bitmap.height()) / 2;
    return QPoint(std::max(x, 0), std::max(y, 0));
}

QImage CropToDrawing(const QImage& image, QSize drawing)
{
    if (image.width() <= drawing.width() && image.height() <= drawing.height())
        return image;
    return image.copy(0, 0, std::min(image.width(), drawing.width()), std::min(image.height(), drawing.height()));
}

PlacedBackground PlaceBackground(const QImage& picture, QSize drawing, BackgroundSizing sizing)
{
    if (picture.isNull() || drawing.isEmpty())
        return {};
    const QSize placedSize = PlacedBackgroundSize(picture.size(), drawing, sizing);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QImage placed = placedSize == rgb.size()
        ? rgb
        : rgb.scaled(placedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {CropToDrawing(placed, drawing), CentredBackgroundOffset(placedSize, drawing)};
}
