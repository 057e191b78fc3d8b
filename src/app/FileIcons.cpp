#include "app/FileIcons.h"

#include <QPainter>
#include <QPainterPath>

#include "app/IconInk.h"

using namespace IconInk;

namespace
{
const QColor kBoard(190, 135, 75);
const QColor kPrinter(200, 200, 205);
const QColor kLens(200, 230, 250);

// A sheet with a folded top-right corner.
void Page(QPainter& p, const QRectF& r)
{
    const qreal fold = 3.0;
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{r.right() - fold, r.top()},
                              {r.right() - fold, r.top() + fold},
                              {r.right(), r.top() + fold}}));
}

// Grey text lines across a sheet.
void TextLines(QPainter& p, qreal left, qreal right, qreal top, int count)
{
    p.setPen(Pen(kAxis, 1.0));
    for (int line = 0; line < count; ++line)
        p.drawLine(QPointF(left, top + 2 * line), QPointF(right, top + 2 * line));
}

void PaintNew(QPainter& p)
{
    Page(p, QRectF(3.5, 1.5, 9, 13));
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

void PaintCut(QPainter& p)
{
    p.setPen(Pen(kAxis, 1.6));
    p.drawLine(QPointF(5.2, 10.0), QPointF(11.5, 1.5));
    p.drawLine(QPointF(10.8, 10.0), QPointF(4.5, 1.5));
    p.setPen(Pen(kGlob, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.3, 12.3), 2.3, 2.3);
    p.drawEllipse(QPointF(11.7, 12.3), 2.3, 2.3);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(8.0, 6.2), 0.9, 0.9);
}

void PaintCopy(QPainter& p)
{
    Page(p, QRectF(1.5, 1.5, 8, 10));
    Page(p, QRectF(6.5, 4.5, 8, 10));
    TextLines(p, 8.5, 12.5, 8.5, 3);
}

void PaintPaste(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kBoard);
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(kSteel);
    p.drawRoundedRect(QRectF(4.0, 1.0, 5, 3), 1, 1);
    Page(p, QRectF(6.5, 6.5, 8, 9));
    TextLines(p, 8.5, 12.5, 10.5, 2);
}

void PaintPrint(QPainter& p)
{
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(kPrinter);
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    TextLines(p, 6.0, 10.0, 12.5, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 180, 80));
    p.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
}

void PaintPrintPreview(QPainter& p)
{
    Page(p, QRectF(1.5, 1.5, 9, 12));
    TextLines(p, 3.5, 7.5, 4.5, 2);
    p.setPen(Pen(kInk, 2.2));
    p.drawLine(QPointF(11.8, 11.8), QPointF(14.6, 14.6));
    p.setPen(Ink(1.2));
    p.setBrush(kLens);
    p.drawEllipse(QPointF(9.5, 9.5), 3.3, 3.3);
}
} // namespace

bool FileIcons::Paint(QPainter& p, CommandIcon icon)
{
    switch (icon) {
    case CommandIcon::New: PaintNew(p); return true;
    case CommandIcon::Open: PaintOpen(p); return true;
    case CommandIcon::Save: PaintSave(p); return true;
    case CommandIcon::Cut: PaintCut(p); return true;
    case CommandIcon::Copy: PaintCopy(p); return true;
    case CommandIcon::Paste: PaintPaste(p); return true;
    case CommandIcon::Print: PaintPrint(p); return true;
    case CommandIcon::PrintPreview: PaintPrintPreview(p); return true;
    default: return false;
    }
}
