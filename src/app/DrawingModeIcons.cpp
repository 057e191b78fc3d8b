#include "app/DrawingModeIcons.h"

#include <QPainter>
#include <QPainterPath>

#include "app/IconInk.h"

using namespace IconInk;

namespace
{
const QColor kPetal(60, 160, 190);
const QColor kStampWood(185, 125, 65);
const QColor kStampBase(150, 40, 40);

// The dashed line globs are mirrored about.
void Axis(QPainter& p, QPointF from, QPointF to)
{
    QPen pen(kAxis, 1.0, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({1.5, 1.0});
    p.setPen(pen);
    p.drawLine(from, to);
}

// Runs draw once as it is and once mirrored about the grid's centre by (sx, sy).
template <typename Draw> void Mirrored(QPainter& p, qreal sx, qreal sy, Draw draw)
{
    p.save();
    p.translate(8, 8);
    p.scale(sx, sy);
    p.translate(-8, -8);
    draw();
    p.restore();
}

// A flag-like stamp pointing left, so its mirror image is plain to see.
void LeftPointer(QPainter& p, const QColor& colour)
{
    p.setPen(Ink(0.9));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({{1.5, 8.0}, {6.5, 3.5}, {6.5, 12.5}}));
}

void PaintMirrorHorizontal(QPainter& p)
{
    Axis(p, {8, 0.5}, {8, 15.5});
    LeftPointer(p, kGlob);
    Mirrored(p, -1, 1, [&] { LeftPointer(p, kMirrored); });
}

void PaintMirrorVertical(QPainter& p)
{
    Axis(p, {0.5, 8}, {15.5, 8});
    p.translate(8, 8);
    p.rotate(90);
    p.translate(-8, -8);
    LeftPointer(p, kGlob);
    Mirrored(p, -1, 1, [&] { LeftPointer(p, kMirrored); });
}

// A small dart aimed at the top-left corner.
void CornerDart(QPainter& p, const QColor& colour)
{
    p.setPen(Ink(0.9));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({{1.0, 1.0}, {7.0, 2.5}, {2.5, 7.0}}));
}

void PaintMirrorBoth(QPainter& p)
{
    Axis(p, {8, 0.5}, {8, 15.5});
    Axis(p, {0.5, 8}, {15.5, 8});
    CornerDart(p, kGlob);
    Mirrored(p, -1, 1, [&] { CornerDart(p, kMirrored); });
    Mirrored(p, 1, -1, [&] { CornerDart(p, kMirrored); });
    Mirrored(p, -1, -1, [&] { CornerDart(p, kMirrored); });
}

void PaintPolarMirror(QPainter& p)
{
    p.translate(8, 8);
    p.setPen(Ink(0.8));
    for (int turn = 0; turn < 6; ++turn) {
        p.setBrush(turn == 0 ? kGlob : kPetal);
        p.drawEllipse(QRectF(-1.6, -7.2, 3.2, 4.6));
        p.rotate(60);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(0, 0), 1.1, 1.1);
}

void PaintMoveCenter(QPainter& p)
{
    p.setPen(Ink(1.0));
    p.drawLine(QPointF(8, 3), QPointF(8, 13));
    p.drawLine(QPointF(3, 8), QPointF(13, 8));
    for (int turn = 0; turn < 4; ++turn) {
        p.save();
        p.translate(8, 8);
        p.rotate(90.0 * turn);
        ArrowHead(p, QPointF(7.2, 0), 0, 2.6, kInk);
        p.restore();
    }
    p.setPen(Ink(1.0));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8, 8), 3.0, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kGlob);
    p.drawEllipse(QPointF(8, 8), 1.5, 1.5);
}

void PaintLines(QPainter& p)
{
    p.setPen(Pen(kAxis, 1.0));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
    for (int step = 0; step < 4; ++step) {
        const qreal at = 2.5 + step * 11.0 / 3;
        Glob(p, QPointF(at, 16 - at), 1.8, kGlob);
    }
}

void PaintJitter(QPainter& p)
{
    const struct
    {
        QPointF centre;
        qreal radius;
    } globs[] = {{{4.0, 4.5}, 1.9}, {{10.5, 2.8}, 1.4}, {{12.8, 8.0}, 2.0}, {{7.2, 8.6}, 1.3},
                 {{3.2, 11.5}, 1.5}, {{9.5, 13.0}, 1.8}};
    for (const auto& glob : globs)
        Glob(p, glob.centre, glob.radius, kGlob);
}

void PaintSkipping(QPainter& p)
{
    QPen hop(kInk, 1.0, Qt::CustomDashLine, Qt::FlatCap);
    hop.setDashPattern({1.5, 1.2});
    p.setPen(hop);
    p.setBrush(Qt::NoBrush);
    QPainterPath hops;
    hops.moveTo(2.5, 11.5);
    hops.quadTo(5.25, 3.0, 8.0, 11.5);
    hops.quadTo(10.75, 3.0, 13.5, 11.5);
    p.drawPath(hops);
    for (qreal x : {2.5, 8.0, 13.5})
        Glob(p, QPointF(x, 12.5), 1.9, kGlob);
}

void PaintPattern(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kStampWood);
    p.drawEllipse(QRectF(5.5, 0.5, 5, 3.5));
    p.drawRect(QRectF(7.0, 4.0, 2, 3));
    p.drawRoundedRect(QRectF(2.5, 7.0, 11, 2.5), 0.8, 0.8);
    p.setBrush(kStampBase);
    p.drawRect(QRectF(2.5, 9.5, 11, 1.5));
    const QColor dots[] = {QColor(220, 60, 50), QColor(250, 200, 50), QColor(60, 150, 220)};
    for (int dot = 0; dot < 3; ++dot)
        Glob(p, QPointF(4.0 + 4.0 * dot, 13.6), 1.6, dots[dot]);
}
} // namespace

bool DrawingModeIcons::Paint(QPainter& p, CommandIcon icon)
{
    switch (icon) {
    case CommandIcon::MoveCenter: PaintMoveCenter(p); return true;
    case CommandIcon::MirrorHorizontal: PaintMirrorHorizontal(p); return true;
    case CommandIcon::MirrorVertical: PaintMirrorVertical(p); return true;
    case CommandIcon::MirrorBoth: PaintMirrorBoth(p); return true;
    case CommandIcon::PolarMirror: PaintPolarMirror(p); return true;
    case CommandIcon::Lines: PaintLines(p); return true;
    case CommandIcon::Jitter: PaintJitter(p); return true;
    case CommandIcon::Skipping: PaintSkipping(p); return true;
    case CommandIcon::Pattern: PaintPattern(p); return true;
    default: return false;
    }
}
