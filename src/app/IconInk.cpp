#include "app/IconInk.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

QPen IconInk::Ink(qreal width)
{
    return Pen(kInk, width);
}

QPen IconInk::Pen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void IconInk::ArrowHead(QPainter& p, QPointF tip, qreal degrees, qreal length,
                        const QColor& colour)
{
    const qreal radians = qDegreesToRadians(degrees);
    const QPointF along(std::cos(radians), std::sin(radians));
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    const qreal half = length * 0.7;
    p.save();
    p.setPen(Pen(colour, 0.6));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, base + across * half, base - across * half}));
    p.restore();
}

void IconInk::ArrowPath(QPainter& p, const QPainterPath& path, const QColor& colour,
                        qreal width, qreal head)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
    // The path's angles count anticlockwise with y up; the grid's y runs down.
    const qreal degrees = -path.angleAtPercent(1.0);
    const qreal radians = qDegreesToRadians(degrees);
    const QPointF along(std::cos(radians), std::sin(radians));
    const QPointF tip = path.pointAtPercent(1.0) + along * head;
    ArrowHead(p, tip, degrees, head, colour);
}

void IconInk::Glob(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    p.save();
    p.setPen(Ink(0.8));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void IconInk::CycleArrow(QPainter& p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(QPointF(11.6, 11.6), 4.3, 4.3);
    p.restore();
    const QRectF ring(9.1, 9.1, 5.0, 5.0);
    QPainterPath arc;
    arc.arcMoveTo(ring, 200);
    arc.arcTo(ring, 200, -250);
    ArrowPath(p, arc, kInk, 1.3, 2.2);
}
