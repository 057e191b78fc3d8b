#pragma once

#include <functional>

#include <QPoint>

#include "view/DrawingCanvas.h"
#include "view/DrawingHistory.h"
#include "view/DrawingTools.h"
#include "view/HistorySlider.h"
#include "view/StrokeEngine.h"

class CDaubrixDoc;
class StatusSink;
struct HsvColor;

// Everything one drawing window knows about its drawing, without the window: the canvas,
// the centre of symmetry, the stroke in progress, the history and undo. The window turns
// events into calls on it and repaints when it says so.
class DrawingSession
{
public:
    DrawingSession(CDaubrixDoc& doc, const DrawingTools& tools);
    ~DrawingSession();
    DrawingSession(const DrawingSession&) = delete;
    DrawingSession& operator=(const DrawingSession&) = delete;

    // Once, after the drawing is loaded or created: reset centre, show every glob.
    void InitialUpdate();
    void ResetCenter();
    // The Colors window's colour becomes the drawing's colour from the history position on.
    void ApplyCurrentColor(const HsvColor& color);

    // The whole window needs repainting (set by the owner; may be empty in tests).
    void Invalidate() const
    {
        if (invalidate)
            invalidate();
    }

    CDaubrixDoc& doc;
    DrawingTools tools;
    DrawingCanvas canvas;
    HistorySlider slider;
    QPoint centre;
    QPoint previousCentre;
    bool pendingClear = false;
    std::function<void()> invalidate;
    StatusSink* status = nullptr; // wait cursor and progress; none in tools and tests

    DrawingHistory history;
    StrokeEngine strokes;
};
