#pragma once

#include <QColor>
#include <QPen>
#include <QPointF>

class QPainter;
class QPainterPath;

// The colours, pens and small marks the toolbar pictures share. Every picture is drawn
// on a 16 x 16 grid; lines sit on half-pixel positions so they stay sharp at 16 px.
namespace IconInk
{
inline const QColor kInk(40, 40, 48);
inline const QColor kPaper(250, 250, 245);
inline const QColor kFolder(235, 190, 70);
inline const QColor kDisk(60, 110, 190);
inline const QColor kHelp(40, 120, 200);
inline const QColor kBulb(250, 215, 60);
inline const QColor kGlob(220, 60, 50);
inline const QColor kMirrored(245, 160, 150);
inline const QColor kAxis(90, 90, 100);
inline const QColor kSteel(170, 175, 185);

QPen Ink(qreal width = 1.0);
QPen Pen(const QColor& colour, qreal width);

// A filled triangular head whose point is at tip, facing along the angle in degrees
// (0 points right, 90 points down).
void ArrowHead(QPainter& p, QPointF tip, qreal degrees, qreal length, const QColor& colour);

// Strokes path and puts a head just past its end, pointing the way the path runs.
void ArrowPath(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width,
               qreal head);

// A glob: a filled round stamp with an ink rim.
void Glob(QPainter& p, QPointF centre, qreal radius, const QColor& colour);

// The small turning arrow of the AutoChange pictures, in the bottom-right corner, with a
// light halo so it reads over whatever lies beneath it.
void CycleArrow(QPainter& p);
} // namespace IconInk
