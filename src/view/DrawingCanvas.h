#pragma once

#include <functional>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QRect>

class CDaubrixDoc;
class ShapeTable;
class StatusSink;

// What a paint must show besides the replay itself.
struct PaintRequest
{
    bool linesMode = false;              // replay starts by applying the preceding colour record
    bool reactivated = false;            // the program became the active application again
    std::function<bool()> checkEscape;   // import replay: true when the user asked to stop
    StatusSink* status = nullptr;
};

// What a paint did, so a window can copy just those pixels to the screen.
struct PaintReport
{
    bool copyAllAtStart = false;   // a regeneration began: the whole image changed
    std::vector<QRect> globRects;  // each replayed glob's rectangle, one pixel wider and higher
    bool mergedRects = false;      // too many globs: globRects holds their bounding box only
    bool copyAllAtEnd = false;     // an ordinary repaint, focus change or re-activation
    bool cancelled = false;        // an import replay was stopped by the user

    void AddGlobRect(const QRect& rect);
};

// The images of one drawing window and the replay that keeps them up to date: the drawing
// image, the undo image taken at the undo base, and the background picture. Globs below the
// history position are shown; the paint replays the pending ones.
class DrawingCanvas
{
public:
    DrawingCanvas(CDaubrixDoc& doc, ShapeTable& shapes);

    // The history position becomes the glob count (the whole drawing is shown).
    void InitialUpdate();

    const QImage& DrawingImage() const { return m_drawing; }
    const QImage& UndoImage() const { return m_undo; }
    QSize Size() const;

    const QImage& Background() const { return m_background; }
    QPoint BackgroundOffset() const { return m_backgroundOffset; }
    void SetBackground(const QImage& bitmap, QPoint offset);
    void RemoveBackground();

    void ClearCanvas(QImage& image) const;
    void CopyToUndoImage();
    void RebuildUndoImage(bool linesMode, StatusSink* status);
    void RegenerateFromUndo();
    void Regenerate(); // the Regenerate command
    // After the history position moved: from the undo image when the position is at or above
    // the undo base, otherwise the whole drawing again (the undo image holds globs not shown).
    void RedrawAtHistoryPosition();

    PaintReport Paint(const PaintRequest& request);

    // Renders every glob onto a fresh canvas, for export and printing without a window.
    QImage RenderAll();

    // Replay state, read and written by the stroke, history and transfer code.
    int historyPosition = 0;
    int pendingCount = 0;
    int undoBase = 0;
    bool firstPaint = true;
    bool regenerateRequest = true;
    bool replayFromUndo = false;
    bool waitCursor = true;
    bool refocus = false;
    bool lastPlacementSkipped = false;
    bool importDrawingMode = false;
    bool importCancelled = false;

private:
    void CreateImages();
    void StartRegeneration(PaintReport& report);
    bool ReplayPending(const PaintRequest& request, PaintReport& report);
    void ApplyPrecedingRecord(int globIndex);

    CDaubrixDoc& m_doc;
    ShapeTable& m_shapes;
    QImage m_drawing;
    QImage m_undo;
    QImage m_background;
    QPoint m_backgroundOffset;
};
