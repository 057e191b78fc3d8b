#include "app/ColorIcons.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "app/IconInk.h"

using namespace IconInk;

namespace
{
const QColor kGlass(225, 240, 250);
const QColor kBulbRubber(60, 60, 70);

void PaintAutoChangeHue(QPainter& p)
{
    QConicalGradient wheel(QPointF(7, 7), 90);
    const QColor hues[] = {Qt::red, Qt::magenta, Qt::blue, Qt::cyan, Qt::green, Qt::yellow};
    for (int at = 0; at < 6; ++at)
        wheel.setColorAt(at / 6.0, hues[at]);
    wheel.setColorAt(1.0, Qt::red);
    p.setPen(Ink(0.9));
    p.setBrush(wheel);
    p.drawEllipse(QPointF(7, 7), 6.0, 6.0);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(7, 7), 2.0, 2.0);
    CycleArrow(p);
}

void PaintAutoChangeSat(QPainter& p)
{
    QLinearGradient ramp(QPointF(1.5, 0), QPointF(14.5, 0));
    ramp.setColorAt(0, QColor(175, 175, 175));
    ramp.setColorAt(1, QColor(235, 20, 20));
    p.setPen(Ink(0.9));
    p.setBrush(ramp);
    p.drawPolygon(QPolygonF({{1.5, 8.5}, {14.5, 1.5}, {14.5, 8.5}}));
    CycleArrow(p);
}

void PaintAutoChangeVal(QPainter& p)
{
    QLinearGradient ramp(QPointF(1.5, 0), QPointF(14.5, 0));
    ramp.setColorAt(0, Qt::black);
    ramp.setColorAt(1, Qt::white);
    p.setPen(Ink(0.9));
    p.setBrush(ramp);
    p.drawRect(QRectF(1.5, 1.5, 13, 6));
    CycleArrow(p);
}

// A dropper lying from the top-right corner down to a tip near the middle, its tube
// filled with fill.
void Dropper(QPainter& p, const QColor& fill)
{
    p.save();
    p.translate(11.5, 4.5);
    p.rotate(45);
    p.setPen(Ink(0.9));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({{-1.4, 0}, {1.4, 0}, {1.4, 6.0}, {0.4, 8.2}, {-0.4, 8.2},
                             {-1.4, 6.0}}));
    p.setBrush(kBulbRubber);
    p.drawRoundedRect(QRectF(-2.2, -1.0, 4.4, 1.6), 0.5, 0.5);
    p.drawRoundedRect(QRectF(-1.6, -4.4, 3.2, 3.6), 1.4, 1.4);
    p.restore();
}

void PaintSampleColor(QPainter& p)
{
    QPainterPath drop;
    drop.moveTo(4.0, 8.5);
    drop.cubicTo(5.5, 11.0, 7.2, 12.2, 7.2, 13.2);
    drop.arcTo(QRectF(0.8, 10.0, 6.4, 5.8), 0, -180);
    drop.cubicTo(0.8, 12.2, 2.5, 11.0, 4.0, 8.5);
    p.setPen(Ink(0.9));
    p.setBrush(kGlob);
    p.drawPath(drop);
    Dropper(p, kGlob);
}

void PaintSampleShape(QPainter& p)
{
    QPolygonF star;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? 4.2 : 1.8;
        const qreal radians = point * M_PI / 5 - M_PI / 2;
        star << QPointF(4.5 + radius * std::cos(radians), 11.5 + radius * std::sin(radians));
    }
    p.setPen(Ink(0.9));
    p.setBrush(kInk);
    p.drawPolygon(star);
    Dropper(p, kGlass);
}

// Stacked layers, the deepest darkest, as depth shading colours a drawing.
void PaintSimulateDepth(QPainter& p)
{
    const QColor layers[] = {QColor(30, 45, 130), QColor(40, 150, 90), QColor(235, 85, 60)};
    p.setPen(Ink(0.9));
    for (int layer = 0; layer < 3; ++layer) {
        const qreal y = 11.5 - 3.5 * layer;
        p.setBrush(layers[layer]);
        p.drawPolygon(QPolygonF({{8, y - 3}, {15, y}, {8, y + 3}, {1, y}}));
    }
}
} // namespace

bool ColorIcons::Paint(QPainter& p, CommandIcon icon)
{
    switch (icon) {
    case CommandIcon::AutoChangeHue: PaintAutoChangeHue(p); return true;
    case CommandIcon::AutoChangeSat: PaintAutoChangeSat(p); return true;
    case CommandIcon::AutoChangeVal: PaintAutoChangeVal(p); return true;
    case CommandIcon::SampleShape: PaintSampleShape(p); return true;
    case CommandIcon::SampleColor: PaintSampleColor(p); return true;
    case CommandIcon::SimulateDepth: PaintSimulateDepth(p); return true;
    default: return false;
    }
}
