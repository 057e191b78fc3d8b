#include "app/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace
{
// Everything is drawn on a 16 x 16 grid and scaled.
const QColor kInk(40, 40, 48);
const QColor kPaper(250, 250, 245);
const QColor kFolder(235, 190, 70);
const QColor kDisk(60, 110, 190);
const QColor kHelp(40, 120, 200);
const QColor kBulb(250, 215, 60);

QPen Ink(qreal width = 1.0)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintNew(QPainter& p)
{
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}));
}

void PaintOpen(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kFolder.darker(115));
    p.drawRect(QRectF(1.5, 4.5, 11, 9));
    p.drawRect(QRectF(1.5, 3.0, 4.5, 1.5));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.0, 7.5}, {12.5, 13.5}, {1.5, 13.5}}));
}

void PaintSave(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kDisk);
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
    p.setBrush(kInk);
    p.drawRect(QRectF(9, 2.5, 1.5, 3));
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
    switch (icon) {
    case CommandIcon::New: PaintNew(painter); break;
    case CommandIcon::Open: PaintOpen(painter); break;
    case CommandIcon::Save: PaintSave(painter); break;
    case CommandIcon::ContextHelp: PaintContextHelp(painter); break;
    case CommandIcon::FullScreen: PaintFullScreen(painter); break;
    case CommandIcon::Tip: PaintTip(painter); break;
    case CommandIcon::Info: PaintInfo(painter); break;
    case CommandIcon::None: break;
    }
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
