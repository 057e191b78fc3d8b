#pragma once

#include <QAbstractScrollArea>

#include "view/CanvasBackgroundHost.h"
#include "view/CharacterKeys.h"
#include "view/DrawingSession.h"
#include "view/ui/DrawingViewPort.h"
#include "view/ui/ViewCursors.h"

class StatusSink;

// The window of one drawing: shows the canvas, turns mouse events into strokes and draws
// the Lines rubber band over the picture. All drawing state lives in the session.
class CDaubrixView final : public QAbstractScrollArea, public DrawingViewPort
{
    Q_OBJECT

public:
    CDaubrixView(CDaubrixDoc& doc, const DrawingTools& tools, QWidget* parent = nullptr);
    ~CDaubrixView() override;

    DrawingSession& Session() { return m_session; }
    const DrawingSession& Session() const { return m_session; }
    BackgroundHost& BackgroundStore() { return m_background; }
    void SetStatusSink(StatusSink* status) { m_session.SetStatusSink(status); }
    // The program became the active application again: the next paint copies everything.
    void SetReactivated() { m_reactivated = true; }

    QSize DrawingSize() const override;
    QPoint DrawingOffset() const override { return m_offset; }
    void SetDrawingOffset(QPoint offset) override;
    QSize sizeHint() const override;

    // Replays what is pending and repaints just what changed.
    void Refresh();
    void Regenerate();
    // The focus came from another drawing window: the history slider shows this drawing
    // again and the next paint copies the whole picture.
    void FocusFromAnotherView();
    // Window point to drawing coordinates (scrolling and the centring offset applied).
    QPoint ToDrawing(QPoint window) const;
    QPoint ToWindow(QPoint drawing) const;
    // The pointer follows the modes and the current shape (only set when it changes).
    void RefreshCursor();

signals:
    void DrawingChanged(); // a stroke, Undo or Clear changed the drawing: it is now modified
    void FocusGained(CDaubrixView* view);
    void FocusLost(CDaubrixView* view);
    void OneShotModeEnded(); // the window's cursor and the rubber band follow
    // The right button (or the menu key) asks for the window's own menu at a screen point;
    // not during a stroke, and not when the click only ended a one-shot mode.
    void ContextMenuWanted(CDaubrixView* view, QPoint globalPos);
    void Closing(CDaubrixView* view); // the session is still whole when this arrives
    void PaletteCycleWanted(); // Tab: the frame steps through which palettes show

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    // Tab is a drawing key here, not a focus move.
    bool focusNextPrevChild(bool) override { return false; }

private:
    QSize ShownSize() const;
    void UpdateScrollRange();
    QPoint Origin() const; // drawing point shown at the viewport's top-left
    void ScheduleRefresh();
    void UpdateDrawingRect(const QRect& drawingRect);
    void UpdateRubberBand();
    void PaintMargins(QPainter& painter, const QRect& exposed);
    void PaintRubberBand(QPainter& painter);
    bool CancelOneShotMode();
    void ApplyKeyEffects(const KeyEffects& effects);
    ColorKeyRepaints& ColorKeys();

    DrawingSession m_session;
    CanvasBackgroundHost m_background;
    QPoint m_offset;
    QRect m_bandBounds;
    ViewCursors m_cursors;
    ColorKeyRepaints m_ownColorKeys; // when the application lends none (tools and tests)
    bool m_refreshQueued = false;
    bool m_reactivated = false;
    bool m_rightPressEndedOneShot = false; // that press's menu request is spent
};
