#include "color/ColorsLayout.h"

#include <algorithm>

#include "color/ColorConversion.h"

namespace ColorsLayout {

namespace {

// Saturation or value 3 falls on row 63, outside the image.
int RowOfLevel(int level) { return 63 - level / 4; }

int MarkerLift(int level) { return level < 4 ? 1 : level / 4; }

} // namespace

QRgb ToQRgb(RgbColor color)
{
    return qRgb(RgbRed(color), RgbGreen(color), RgbBlue(color));
}

QImage BuildHueSaturationImage()
{
    QImage image(kFieldWidth, kImageHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int s = 255; s >= 7; s -= 4) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(RowOfLevel(s)));
        for (int hue = 0; hue < 360; hue += 3)
            row[hue / 3] = ToQRgb(HsvToRgb(hue, ByteFraction(s), 1.0f));
    }
    return image;
}

QImage BuildValueImage()
{
    QImage image(kBarWidth, kImageHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int v = 255; v >= 7; v -= 4) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(RowOfLevel(v)));
        std::fill(row, row + kBarWidth, ToQRgb(HsvToRgb(0, 0.0f, ByteFraction(v))));
    }
    return image;
}

bool InField(QPoint p)
{
    return p.x() >= 5 && p.x() < 125 && p.y() >= 5 && p.y() < 68;
}

bool InBar(QPoint p)
{
    return p.x() >= 133 && p.x() < 143 && p.y() >= 5 && p.y() < 68;
}

int StripIndexAt(QPoint p, int count)
{
    if (p.x() < 4 || p.x() >= 4 + 7 * count || p.y() < 101 || p.y() > 108)
        return -1;
    return (p.x() - 4) / 7;
}

int HueAt(int x)
{
    return std::clamp((x - 5) * 3, 0, 360);
}

int LevelAt(int y)
{
    return std::clamp(275 - 4 * y, 0, 255);
}

QRect FieldMarker(const HsvColor& color)
{
    const int left = 4 + std::clamp(color.hue / 3, 0, 119);
    return {left, 67 - MarkerLift(color.saturation), 3, 3};
}

QRect BarMarker(const HsvColor& color)
{
    return {133, 67 - MarkerLift(color.value), 10, 3};
}

QRect StripCell(int index)
{
    return {4 + 7 * index, 101, 7, 7};
}

QRect StripSelection(int index)
{
    return {3 + 7 * index, 100, 8, 9};
}

QRect StripRest(int count)
{
    return {QPoint(4 + 7 * count, 101), QPoint(143, 107)};
}

} // namespace ColorsLayout
