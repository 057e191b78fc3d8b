#include "app/ui/CChildFrame.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "view/ui/DrawingViewPort.h"

namespace
{
// Half the room the workspace has beyond the drawing, negative; 0 when it has none.
int CentringOffset(int workspace, int drawing)
{
    return drawing < workspace ? (workspace - drawing) / -2 : 0;
}
} // namespace

CChildFrame::CChildFrame(QWidget* view, DrawingViewPort& port, QWidget* parent)
    : QMdiSubWindow(parent), m_port(port)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    ApplySizeRules();
}

QSize CChildFrame::MaximumRestoredSize() const
{
    const QMargins frame = contentsMargins();
    return m_port.DrawingSize().grownBy(frame);
}

void CChildFrame::FitToDrawing()
{
    QSize size = MaximumRestoredSize();
    if (mdiArea())
        size = size.boundedTo(mdiArea()->viewport()->size());
    resize(size);
}

void CChildFrame::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        ApplySizeRules();
}

void CChildFrame::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    if (m_maximized)
        CentreDrawing();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (m_closeCheck && !m_closeCheck()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::ApplySizeRules()
{
    m_maximized = isMaximized();
    if (m_maximized) {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        CentreDrawing();
        return;
    }
    m_port.SetDrawingOffset(QPoint(0, 0));
    setMaximumSize(MaximumRestoredSize());
}

void CChildFrame::CentreDrawing()
{
    if (!mdiArea())
        return;
    const QSize workspace = mdiArea()->viewport()->size();
    const QSize drawing = m_port.DrawingSize();
    m_port.SetDrawingOffset(QPoint(CentringOffset(workspace.width(), drawing.width()),
                                   CentringOffset(workspace.height(), drawing.height())));
}

CChildFrame::~CChildFrame()
{
    delete widget();
}
