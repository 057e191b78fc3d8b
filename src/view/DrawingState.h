#pragma once

#include <functional>

#include <QPoint>

#include "view/DrawingCanvas.h"
#include "view/DrawingTools.h"
#include "view/HistorySlider.h"

class CDaubrixDoc;
class StatusSink;

// The parts of one drawing window that its history and its stroke engine both work on: the
// document, the shared tools, the canvas, the slider and the centre of symmetry. Only the
// session owns one; everything outside the session goes through the session's operations.
struct DrawingState
{
    DrawingState(CDaubrixDoc& doc_, const DrawingTools& tools_)
        : doc(doc_), tools(tools_), canvas(doc_, tools_.shapes)
    {
    }

    // The whole window needs repainting (may be empty in tools and tests).
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
    QPoint previousCentre; // where Undo of Move Center puts the centre back
    bool pendingClear = false;
    // The last Simulate Depth: whether it covered the whole drawing, and whether its range
    // began at or above the undo base (then the undo image can stay for its undo).
    bool depthEntireDrawing = false;
    bool depthAboveBase = false;
    std::function<void()> invalidate;
    StatusSink* status = nullptr; // wait cursor and progress; none in tools and tests
};
