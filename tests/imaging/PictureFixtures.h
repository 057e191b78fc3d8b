#pragma once

#include "imaging/JpegFile.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace fixtures {

inline QImage SolidImage(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Four 8 x 8 blocks in different colours: a swap of channels, rows or sides shows at once.
inline QImage QuadrantImage()
{
    QImage image = SolidImage(16, 16, qRgb(230, 20, 20));
    QPainter painter(&image);
    painter.fillRect(8, 0, 8, 8, QColor(20, 200, 30));
    painter.fillRect(0, 8, 8, 8, QColor(30, 40, 220));
    painter.fillRect(8, 8, 8, 8, QColor(240, 240, 240));
    return image;
}

inline QByteArray JpegOf(const QImage& image, int quality = 100)
{
    QByteArray bytes;
    EncodeJpeg(image, quality, bytes);
    return bytes;
}

// Largest channel difference between two pixels.
inline int ColourDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Largest channel difference over images of the same size (-1 when the sizes differ).
inline int LargestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            largest = std::max(largest, ColourDistance(a.pixel(x, y), b.pixel(x, y)));
    return largest;
}

} // namespace fixtures
