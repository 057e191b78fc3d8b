#include "view/ui/SectionIcons.h"

#include <cstdlib>

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int kSide = 12;

// Filled cells of the 12 x 12 grid: a bar at x 2..3, a gap, and a triangle from its tip at
// x 5 to its base at x 8 pointing left (Previous); Next is its mirror image.
bool Inked(SectionStep step, int x, int y)
{
    if (step == SectionStep::Next)
        x = kSide - 1 - x;
    if (y < 2 || y > 9)
        return false;
    if (x >= 2 && x <= 3)
        return true;
    const int fromTip = x - 5;
    return x >= 5 && x <= 8 && std::abs(2 * y - 11) <= 2 * fromTip + 1;
}

} // namespace

QImage SectionStepImage(SectionStep step, int scale, QColor ink)
{
    QImage image(kSide * scale, kSide * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (Inked(step, x, y))
                painter.fillRect(x * scale, y * scale, scale, scale, ink);
    painter.end();
    image.setDevicePixelRatio(scale);
    return image;
}

QIcon SectionStepIcon(SectionStep step, QColor ink)
{
    QIcon icon;
    for (int scale : {1, 2})
        icon.addPixmap(QPixmap::fromImage(SectionStepImage(step, scale, ink)));
    return icon;
}
