#include "view/CursorArt.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSide = 32;

// Strokes a path twice: a wide light rim first, then the dark line, so the pointer shows
// on any colour of the drawing.
void Ink(QPainter& p, const QPainterPath& path, const QBrush& fill = Qt::NoBrush)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 230), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setBrush(fill);
    p.setPen(QPen(QColor(20, 20, 24), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// Crosshairs with arrowheads pointing away from a ring: "the centre goes here".
void PaintMoveCentre(QPainter& p)
{
    QPainterPath path;
    const QPointF c(15.5, 15.5);
    path.addEllipse(c, 3.5, 3.5);
    for (int quarter = 0; quarter < 4; ++quarter) {
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(90.0 * quarter);
        QPainterPath arm;
        arm.moveTo(0, -6);
        arm.lineTo(0, -14);
        arm.moveTo(-3, -11);
        arm.lineTo(0, -14);
        arm.lineTo(3, -11);
        path.addPath(turn.map(arm));
    }
    Ink(p, path);
}

// A dropper whose tip is the hot spot, tilted up to the right.
void PaintSample(QPainter& p)
{
    QTransform tilt;
    tilt.translate(2, 29);
    tilt.rotate(-45);
    QPainterPath tube;
    tube.moveTo(0, 0);
    tube.lineTo(5, -2);
    tube.lineTo(22, -2);
    tube.lineTo(22, 2);
    tube.lineTo(5, 2);
    tube.closeSubpath();
    QPainterPath bulb;
    bulb.addRoundedRect(QRectF(22, -4.5, 11, 9), 4, 4);
    Ink(p, tilt.map(tube), QColor(190, 220, 255));
    Ink(p, tilt.map(bulb), QColor(20, 20, 24));
}

// A stamp block over a grid of dots: each click lays the whole pattern.
void PaintPattern(QPainter& p)
{
    QPainterPath block;
    block.addRoundedRect(QRectF(11, 3, 10, 8), 2, 2);
    block.addRect(QRectF(14, 11, 4, 5));
    block.addRoundedRect(QRectF(6, 16, 20, 5), 1.5, 1.5);
    Ink(p, block, QColor(230, 200, 120));
    QPainterPath dots;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            dots.addEllipse(QPointF(8.5 + 5 * col, 24.5 + 4 * row), 1.1, 1.1);
    Ink(p, dots, QColor(20, 20, 24));
}

} // namespace

CursorPicture PaintModeCursor(ModeCursor which)
{
    CursorPicture picture;
    picture.image = QImage(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    picture.image.fill(Qt::transparent);
    QPainter p(&picture.image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case ModeCursor::MoveCentre:
        PaintMoveCentre(p);
        picture.hotSpot = QPoint(15, 15);
        break;
    case ModeCursor::Sample:
        PaintSample(p);
        picture.hotSpot = QPoint(2, 29);
        break;
    case ModeCursor::Pattern:
        PaintPattern(p);
        picture.hotSpot = QPoint(16, 22);
        break;
    }
    return picture;
}
