#include "color/ColorButtonArt.h"

#include <QPainter>
#include <QPolygon>

#include "color/ColorConversion.h"
#include "color/ColorsLayout.h"

namespace {

// Three little sliders: hue, saturation and value.
QImage ValuesArt()
{
    QImage image(22, 14, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int x = 0; x < 20; ++x) {
        const float t = float(x) / 19.0f;
        image.setPixel(x + 1, 2, ColorsLayout::ToQRgb(HsvToRgb(x * 18, 1.0f, 1.0f)) | 0xFF000000u);
        image.setPixel(x + 1, 3, ColorsLayout::ToQRgb(HsvToRgb(x * 18, 1.0f, 1.0f)) | 0xFF000000u);
        image.setPixel(x + 1, 6, ColorsLayout::ToQRgb(HsvToRgb(0, t, 1.0f)) | 0xFF000000u);
        image.setPixel(x + 1, 7, ColorsLayout::ToQRgb(HsvToRgb(0, t, 1.0f)) | 0xFF000000u);
        image.setPixel(x + 1, 10, ColorsLayout::ToQRgb(HsvToRgb(0, 0.0f, t)) | 0xFF000000u);
        image.setPixel(x + 1, 11, ColorsLayout::ToQRgb(HsvToRgb(0, 0.0f, t)) | 0xFF000000u);
    }
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawLine(6, 1, 6, 4);
    p.drawLine(14, 5, 14, 8);
    p.drawLine(10, 9, 10, 12);
    return image;
}

QImage ArrowArt(bool pointsLeft)
{
    QImage image(12, 12, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const QPolygon left({QPoint(2, 6), QPoint(9, 1), QPoint(9, 11)});
    const QPolygon right({QPoint(10, 6), QPoint(3, 1), QPoint(3, 11)});
    p.drawPolygon(pointsLeft ? left : right);
    return image;
}

} // namespace

QImage ColorButtonArt(ColorButton which)
{
    switch (which) {
    case ColorButton::Values: return ValuesArt();
    case ColorButton::Previous: return ArrowArt(true);
    case ColorButton::Next: break;
    }
    return ArrowArt(false);
}
