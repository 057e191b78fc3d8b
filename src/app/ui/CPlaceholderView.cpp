#include "app/ui/CPlaceholderView.h"

#include <QPainter>

CPlaceholderView::CPlaceholderView(const DrawingDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CPlaceholderView::DrawingSize() const
{
    return m_document.Size();
}

void CPlaceholderView::SetDrawingOffset(QPoint offset)
{
    if (offset == m_offset)
        return;
    m_offset = offset;
    update();
}

void CPlaceholderView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Dark));
    const RgbColor background = m_document.BackgroundColor();
    painter.fillRect(QRect(-m_offset, DrawingSize()),
                     QColor(RgbRed(background), RgbGreen(background), RgbBlue(background)));
}
