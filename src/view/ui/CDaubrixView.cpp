#include "view/ui/CDaubrixView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "model/CDaubrixDoc.h"
#include "view/DrawingModeCommands.h"
#include "view/DrawingModes.h"
#include "view/OneShotModes.h"
#include "view/Sampling.h"
#include "view/StatusSink.h"

namespace {

PointerModifiers Modifiers(Qt::KeyboardModifiers m)
{
    return PointerModifiers{m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier)};
}

QRect Bounds(const std::vector<QLine>& lines)
{
    QRect r;
    for (const QLine& l : lines)
        r |= QRect(l.p1(), l.p2()).normalized().adjusted(-1, -1, 1, 1);
    return r;
}

} // namespace

CDaubrixView::CDaubrixView(CDaubrixDoc& doc, const DrawingTools& tools, QWidget* parent)
    : QAbstractScrollArea(parent), m_session(doc, tools), m_background(m_session.Canvas())
{
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    RefreshCursor();
    m_session.SetInvalidate([this] { ScheduleRefresh(); });
    m_session.InitialUpdate();
    UpdateScrollRange();
}

CDaubrixView::~CDaubrixView()
{
    emit Closing(this);
}

QSize CDaubrixView::DrawingSize() const
{
    return QSize(m_session.Doc().Records().DrawingWidth(), m_session.Doc().Records().DrawingHeight());
}

QSize CDaubrixView::sizeHint() const { return DrawingSize(); }

void CDaubrixView::SetDrawingOffset(QPoint offset)
{
    m_offset = offset;
    UpdateScrollRange();
    viewport()->update();
}

QPoint CDaubrixView::Origin() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()) + m_offset;
}

QPoint CDaubrixView::ToDrawing(QPoint window) const { return window + Origin(); }

QPoint CDaubrixView::ToWindow(QPoint drawing) const { return drawing - Origin(); }

void CDaubrixView::RefreshCursor()
{
    QCursor cursor;
    if (m_cursors.Changed(m_session.Tools(), cursor))
        viewport()->setCursor(cursor);
}

void CDaubrixView::enterEvent(QEnterEvent* event)
{
    RefreshCursor(); // the shape may have been chosen in the Shapes window meanwhile
    QAbstractScrollArea::enterEvent(event);
}

// The part of the drawing the window will show once its scroll bars are settled: a bar
// only where the drawing does not fit, and a bar on one side can make the other needed.
// Worked out from the whole window, so bars shown for an earlier, smaller size go away.
QSize CDaubrixView::ShownSize() const
{
    const QSize drawing = DrawingSize();
    const QSize full = maximumViewportSize();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool across = drawing.width() > full.width();
    bool down = drawing.height() > full.height();
    if (across && !down)
        down = drawing.height() > full.height() - barHeight;
    if (down && !across)
        across = drawing.width() > full.width() - barWidth;
    return QSize(full.width() - (down ? barWidth : 0), full.height() - (across ? barHeight : 0));
}

void CDaubrixView::UpdateScrollRange()
{
    const QSize drawing = DrawingSize();
    const QSize shown = ShownSize();
    horizontalScrollBar()->setRange(0, m_offset.x() < 0 ? 0 : qMax(0, drawing.width() - shown.width()));
    verticalScrollBar()->setRange(0, m_offset.y() < 0 ? 0 : qMax(0, drawing.height() - shown.height()));
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setPageStep(shown.height());
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
}

void CDaubrixView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void CDaubrixView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CDaubrixView::ScheduleRefresh()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        if (m_refreshQueued)
            Refresh();
    });
}

void CDaubrixView::Refresh()
{
    m_refreshQueued = false;
    PaintRequest request;
    request.reactivated = std::exchange(m_reactivated, false);
    request.status = m_session.Status();
    const PaintReport report = m_session.Canvas().Paint(request);
    if (report.copyAllAtStart || report.copyAllAtEnd)
        viewport()->update();
    else
        for (const QRect& r : report.globRects)
            UpdateDrawingRect(r);
    if (m_session.Strokes().RubberBandStale()) {
        m_session.Strokes().RubberBandRedrawn();
        UpdateRubberBand();
    }
}

void CDaubrixView::Regenerate()
{
    m_session.Canvas().Regenerate();
    Refresh();
}

void CDaubrixView::UpdateDrawingRect(const QRect& drawingRect)
{
    viewport()->update(drawingRect.translated(-Origin()));
}

void CDaubrixView::UpdateRubberBand()
{
    const QRect now = Bounds(m_session.Strokes().RubberBandLines());
    UpdateDrawingRect(m_bandBounds | now);
    m_bandBounds = now;
}

void CDaubrixView::paintEvent(QPaintEvent* event)
{
    if (m_session.Canvas().NeedsFirstPaint())
        Refresh();
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    const QImage& image = m_session.Canvas().DrawingImage();
    const QRect source = exposed.translated(Origin()) & image.rect();
    if (!source.isEmpty())
        painter.drawImage(source.topLeft() - Origin(), image, source);
    PaintMargins(painter, exposed);
    PaintRubberBand(painter);
}

void CDaubrixView::PaintMargins(QPainter& painter, const QRect& exposed)
{
    QRegion margins(exposed);
    margins -= QRect(-Origin(), DrawingSize());
    if (margins.isEmpty())
        return;
    const QColor colour = m_offset.x() < 0 || m_offset.y() < 0 ? palette().color(QPalette::Dark)
                                                               : palette().color(QPalette::Window);
    for (const QRect& r : margins)
        painter.fillRect(r, colour);
}

void CDaubrixView::PaintRubberBand(QPainter& painter)
{
    const std::vector<QLine> lines = m_session.Strokes().RubberBandLines();
    if (lines.empty())
        return;
    // Inverting the pixels under the band keeps it visible on any colour, as an XOR band would.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.translate(-Origin());
    for (const QLine& l : lines)
        painter.drawLine(l);
}

// Esc and the right button end a one-shot mode and bring Lines back as it was.
bool CDaubrixView::CancelOneShotMode()
{
    OneShotModes* oneShot = m_session.Tools().oneShot;
    if (!oneShot || m_session.Strokes().InStroke())
        return false;
    const ModeEffects effects = ::CancelOneShotMode(m_session.Tools().modes, *oneShot);
    if (!effects.updateCursor)
        return false;
    viewport()->update();
    RefreshCursor();
    emit OneShotModeEnded();
    return true;
}

void CDaubrixView::contextMenuEvent(QContextMenuEvent* event)
{
    if (std::exchange(m_rightPressEndedOneShot, false) || m_session.Strokes().InStroke() ||
        CancelOneShotMode())
        return;
    emit ContextMenuWanted(this, event->globalPos());
}

void CDaubrixView::mousePressEvent(QMouseEvent* event)
{
    m_rightPressEndedOneShot = false;
    if (event->button() == Qt::RightButton) {
        m_rightPressEndedOneShot = CancelOneShotMode();
        if (m_rightPressEndedOneShot)
            return;
    }
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    const QPoint p = ToDrawing(event->position().toPoint());
    OneShotModes* oneShot = m_session.Tools().oneShot;
    if (oneShot && oneShot->moveCentre) {
        MoveCenterPress(m_session, p);
        viewport()->update();
        return;
    }
    if (oneShot && (oneShot->sampleColour || oneShot->sampleShape)) {
        SamplePress(m_session, p);
        viewport()->update();
        emit DrawingChanged();
        return;
    }
    m_session.Strokes().Press(p, Modifiers(event->modifiers()));
    Refresh();
    emit DrawingChanged();
}

void CDaubrixView::mouseMoveEvent(QMouseEvent* event)
{
    RefreshCursor();
    const QPoint p = ToDrawing(event->position().toPoint());
    if (m_session.Strokes().InStroke()) {
        m_session.Strokes().Move(p, Modifiers(event->modifiers()));
        Refresh();
    } else if (m_session.Tools().modes.lines) {
        m_session.Strokes().Move(p, Modifiers(event->modifiers()));
        UpdateRubberBand();
    }
}

void CDaubrixView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mouseReleaseEvent(event);
    const bool endedOneShot = m_session.Strokes().Release();
    Refresh();
    if (endedOneShot) {
        RefreshCursor();
        emit OneShotModeEnded();
    }
}

void CDaubrixView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    emit FocusGained(this);
}

void CDaubrixView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    emit FocusLost(this);
}

void CDaubrixView::FocusFromAnotherView()
{
    m_session.History().RefreshHistorySlider();
    m_session.Canvas().CopyAllOnNextPaint();
}

// In Lines mode Shift holds on to the pointer, so the rubber band follows it out of the window.
void CDaubrixView::keyPressEvent(QKeyEvent* event)
{
    // Characters forwarded by the Drawing History window come with text and no key code.
    const QString text = event->text();
    const bool escape = event->key() == Qt::Key_Escape || text == QStringLiteral("\x1b");
    if (escape && CancelOneShotMode())
        return;
    if (event->key() == Qt::Key_Shift && !event->isAutoRepeat() && m_session.Tools().modes.lines)
        viewport()->grabMouse();
    if (!escape && text.size() == 1 && !event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier)) {
        ApplyKeyEffects(CharacterKey(m_session, text.front(), ColorKeys()));
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

ColorKeyRepaints& CDaubrixView::ColorKeys()
{
    ColorKeyRepaints* shared = m_session.Tools().colorKeys;
    return shared ? *shared : m_ownColorKeys;
}

void CDaubrixView::ApplyKeyEffects(const KeyEffects& effects)
{
    if (effects.stepPalettes)
        emit PaletteCycleWanted();
    if (effects.updateCursor)
        RefreshCursor();
    if (effects.repaintRubberBand)
        viewport()->update();
    if (effects.drawingChanged)
        emit DrawingChanged();
}

void CDaubrixView::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift && !event->isAutoRepeat() && QWidget::mouseGrabber() == viewport())
        viewport()->releaseMouse();
    QAbstractScrollArea::keyReleaseEvent(event);
}
