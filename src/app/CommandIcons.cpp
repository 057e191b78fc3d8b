#include "app/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>

#include "app/ColorIcons.h"
#include "app/DrawingModeIcons.h"
#include "app/FileIcons.h"
#include "app/IconInk.h"

using namespace IconInk;

namespace
{
const QColor kUndo(70, 90, 200);
const QColor kRegenerate(40, 150, 70);
const QColor kEraser(240, 140, 160);
const QColor kSleeve(70, 120, 200);

void PaintUndo(QPainter& p)
{
    QPainterPath hook;
    hook.moveTo(12.5, 14.0);
    hook.cubicTo(15.5, 8.0, 12.0, 4.5, 7.5, 4.5);
    hook.lineTo(5.0, 4.5);
    // An ink rim keeps the arrow readable on light and dark bars alike.
    ArrowPath(p, hook, kInk, 3.4, 4.6);
    ArrowPath(p, hook, kUndo, 1.8, 3.6);
}

void PaintRegenerate(QPainter& p)
{
    Glob(p, QPointF(8, 8), 2.2, kGlob);
    const QRectF ring(2.5, 2.5, 11, 11);
    QPainterPath arc;
    arc.arcMoveTo(ring, 120);
    arc.arcTo(ring, 120, -290);
    ArrowPath(p, arc, kRegenerate, 1.8, 3.2);
}

void PaintClear(QPainter& p)
{
    p.setPen(Pen(kAxis, 1.0));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
    p.translate(8.5, 7.5);
    p.rotate(-40);
    p.setPen(Ink());
    p.setBrush(kSleeve);
    p.drawRoundedRect(QRectF(-1.0, -3.0, 7.5, 6), 1, 1);
    p.setBrush(kEraser);
    p.drawRoundedRect(QRectF(-6.5, -3.0, 5.5, 6), 1, 1);
}

void PaintContextHelp(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {1.5, 11.5}, {4, 9}, {6, 13}, {7.5, 12.3}, {5.5, 8.5},
                             {8.5, 8.5}}));
    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kHelp);
    p.drawText(QRectF(8, 1, 8, 12), Qt::AlignCenter, QStringLiteral("?"));
}

void PaintFullScreen(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Ink(1.5));
    const QPolygonF corner({{4, 7}, {4, 5}, {6, 5}});
    for (int turn = 0; turn < 4; ++turn) {
        p.save();
        p.translate(8, 8);
        p.rotate(90.0 * turn);
        p.translate(-8, -8);
        p.drawPolyline(corner);
        p.restore();
    }
}

void PaintTip(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kBulb);
    p.drawEllipse(QRectF(3.5, 1.5, 9, 9));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(6, 10.5, 4, 3.5));
    p.drawLine(QPointF(6, 12), QPointF(10, 12));
}

void PaintInfo(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kHelp);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(8, 4.8));
    p.drawLine(QPointF(8, 7.5), QPointF(8, 11.5));
}

// The pictures of no family: undo, regenerate and clear, help and window.
void PaintOwn(QPainter& p, CommandIcon icon)
{
    switch (icon) {
    case CommandIcon::Undo: PaintUndo(p); break;
    case CommandIcon::Regenerate: PaintRegenerate(p); break;
    case CommandIcon::Clear: PaintClear(p); break;
    case CommandIcon::ContextHelp: PaintContextHelp(p); break;
    case CommandIcon::FullScreen: PaintFullScreen(p); break;
    case CommandIcon::Tip: PaintTip(p); break;
    case CommandIcon::Info: PaintInfo(p); break;
    default: break;
    }
}
} // namespace

QImage CommandIcons::Paint(CommandIcon icon, int side)
{
    if (icon == CommandIcon::None || side <= 0)
        return {};
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    // Each family paints only its own pictures; the rest fall through to the next.
    if (!FileIcons::Paint(painter, icon) && !DrawingModeIcons::Paint(painter, icon) &&
        !ColorIcons::Paint(painter, icon))
        PaintOwn(painter, icon);
    return image;
}

QImage CommandIcons::PaintProgramIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(30, 30, 40));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    const struct
    {
        QPointF centre;
        qreal radius;
        QColor colour;
    } globs[] = {{{6, 6}, 3.6, QColor(235, 70, 60)},
                 {{10.5, 7}, 3.0, QColor(250, 200, 50)},
                 {{7.5, 11}, 3.2, QColor(60, 170, 230)},
                 {{11.5, 11.5}, 2.0, QColor(110, 210, 90)}};
    painter.setPen(Qt::NoPen);
    for (const auto& glob : globs) {
        painter.setBrush(glob.colour);
        painter.drawEllipse(glob.centre, glob.radius, glob.radius);
    }
    return image;
}
