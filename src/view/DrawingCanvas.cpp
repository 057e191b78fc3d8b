#include "view/DrawingCanvas.h"

#include <algorithm>

#include <QPainter>

#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/ColorChangeCursor.h"
#include "view/StatusSink.h"

namespace {

QColor ToQColor(RgbColor c) { return QColor(RgbRed(c), RgbGreen(c), RgbBlue(c)); }

// Replays the colour-change records: each sets the colour of its glob's shape.
class RecordWalk
{
public:
    RecordWalk(const CDaubrixDoc& doc, ReplayColors& colors, int firstGlob)
        : m_globs(doc.Records().Globs()), m_colors(colors), m_cursor(doc.Records().ColorChanges().Items(), firstGlob),
          m_next(m_cursor.NextAt(firstGlob))
    {
    }

    // Applies the records of glob i; call for ascending i. True when glob i has records.
    bool ApplyAt(int i)
    {
        if (i != m_next)
            return false;
        const int shape = m_globs[size_t(i)].shape;
        m_cursor.ApplyAt(i, [&](const CColorChange& c) { m_colors.Set(shape, c.Color()); });
        m_next = m_cursor.NextAt(i + 1);
        return true;
    }

    // Applies every record below `end` (each of a glob that exists), as a replay up to there would.
    void ApplyBelow(int end)
    {
        end = std::min(end, int(m_globs.size()));
        while (m_next < end)
            ApplyAt(m_next);
    }

private:
    const std::vector<CGlob>& m_globs;
    ReplayColors& m_colors;
    ColorChangeCursor m_cursor;
    int m_next;
};

// Draws globs [start, end) onto image with the colours in `colors`, applying the records on
// the way; `colors` must hold what the records below `start` set. Calls drawn(rect) after
// each glob.
template <typename Drawn>
void ReplayGlobs(const CDaubrixDoc& doc, const ShapeTable& shapes, ReplayColors& colors, QImage& image,
                 int start, int end, Drawn&& drawn)
{
    const std::vector<CGlob>& globs = doc.Records().Globs();
    RecordWalk records(doc, colors, start);
    const StampTarget pixels(image);
    // Runs of globs of one shape with no record between them share one stamp lookup.
    int lastShape = -1;
    const ShapeStamp* stamp = nullptr;
    const CShape* shape = nullptr;
    for (int i = start; i < end; ++i) {
        const CGlob& glob = globs[size_t(i)];
        if (records.ApplyAt(i) || glob.shape != lastShape) {
            lastShape = glob.shape;
            stamp = colors.Stamp(glob.shape);
            shape = stamp ? &shapes.Shape(glob.shape) : nullptr;
        }
        drawn(stamp ? shape->DrawStamp(pixels, glob.x, glob.y, *stamp) : QRect());
    }
}

// The colours a replay starting at `start` begins with.
void SeedColors(const CDaubrixDoc& doc, ReplayColors& colors, int start)
{
    colors.Reset();
    RecordWalk(doc, colors, 0).ApplyBelow(start);
}

} // namespace

DrawingCanvas::DrawingCanvas(CDaubrixDoc& doc, const ShapeTable& shapes)
    : m_doc(doc), m_shapes(shapes), m_replayColors(shapes)
{
}

void DrawingCanvas::InitialUpdate()
{
    m_historyPosition = m_doc.Records().GlobCount();
}

QSize DrawingCanvas::Size() const
{
    return QSize(m_doc.Records().DrawingWidth(), m_doc.Records().DrawingHeight());
}

void DrawingCanvas::SetBackground(const QImage& bitmap, QPoint offset)
{
    m_background = bitmap.convertToFormat(QImage::Format_RGB32);
    m_backgroundOffset = offset;
}

void DrawingCanvas::RemoveBackground()
{
    m_background = QImage();
    m_backgroundOffset = QPoint();
}

void DrawingCanvas::AdvanceTo(int position)
{
    m_pendingCount += position - m_historyPosition;
    m_historyPosition = position;
}

void DrawingCanvas::ClearCanvas(QImage& image) const
{
    image.fill(ToQColor(m_doc.BackgroundColor()));
    if (m_doc.HasBackgroundImage() && !m_background.isNull()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(m_backgroundOffset, m_background);
    }
}

void DrawingCanvas::CopyToUndoImage()
{
    m_undo = m_drawing.copy();
    m_undoBase = m_historyPosition;
}

void DrawingCanvas::RebuildUndoImage(StatusSink* status)
{
    StatusSink quiet;
    StatusSink& sink = status ? *status : quiet;
    ClearCanvas(m_undo);
    if (m_undoBase <= 0)
        return;
    sink.SetWaitCursor(true);
    const QString saved = sink.StatusText();
    sink.SetStatusText(QStringLiteral("Rebuilding Undo Image, Please wait..."));
    const int every = m_undoBase / 100;
    const float share = 100.0f / float(m_undoBase);
    float progress = 0;
    int i = 0;
    ReplayColors colors(m_shapes);
    ReplayGlobs(m_doc, m_shapes, colors, m_undo, 0, m_undoBase, [&](const QRect&) {
        progress += share;
        if (every > 10 && i % every == 0)
            sink.SetProgressText(QString::asprintf("%2d%%", int(progress)));
        ++i;
    });
    sink.SetProgressText(QStringLiteral(" "));
    sink.SetWaitCursor(false);
    sink.SetStatusText(saved);
}

void DrawingCanvas::RegenerateFromUndo()
{
    m_replayFromUndo = true;
    m_pendingCount = m_historyPosition - m_undoBase;
    m_regenerateRequest = true;
    m_waitCursor = true;
}

void DrawingCanvas::Regenerate()
{
    m_pendingCount = m_historyPosition;
    m_regenerateRequest = true;
    m_waitCursor = true;
}

void DrawingCanvas::RedrawAtHistoryPosition()
{
    if (m_historyPosition < m_undoBase)
        Regenerate();
    else
        RegenerateFromUndo();
}

void DrawingCanvas::CreateImages()
{
    m_drawing = QImage(Size(), QImage::Format_RGB32);
    m_drawing.fill(Qt::black);
    m_undo = m_drawing.copy();
}

void DrawingCanvas::StartRegeneration(PaintReport& report)
{
    m_regenerateRequest = false;
    m_replayedTo = -1; // the records may have changed anywhere: the colours are seeded again
    if (m_historyPosition != m_pendingCount && m_undoBase != 0 && m_historyPosition >= m_undoBase)
        m_drawing = m_undo.copy(); // continue from the snapshot at the undo base
    else
        ClearCanvas(m_drawing);
    report.copyAllAtStart = true;
}

void DrawingCanvas::ReplayPending(const PaintRequest& request, PaintReport& report)
{
    StatusSink quiet;
    StatusSink& sink = request.status ? *request.status : quiet;
    if (m_waitCursor)
        sink.SetWaitCursor(true);
    const int end = m_historyPosition;
    const int start = qMax(0, end - m_pendingCount);
    // Between strokes the colours carry on where the last paint stopped; anywhere else they
    // are worked out from the records below the start.
    if (start != m_replayedTo)
        SeedColors(m_doc, m_replayColors, start);
    ReplayGlobs(m_doc, m_shapes, m_replayColors, m_drawing, start, end, [&](const QRect& r) {
        if (!r.isEmpty())
            report.AddGlobRect(QRect(r.left(), r.top(), r.width() + 1, r.height() + 1));
    });
    m_replayedTo = end;
    if (m_waitCursor) {
        sink.SetWaitCursor(false);
        m_waitCursor = false;
    }
}

PaintReport DrawingCanvas::Paint(const PaintRequest& request)
{
    PaintReport report;
    if (m_firstPaint) {
        m_firstPaint = false;
        CreateImages();
        CopyToUndoImage();
        m_pendingCount = m_doc.Records().GlobCount();
    }
    if (m_regenerateRequest)
        StartRegeneration(report);
    const bool nothingPending = m_pendingCount <= 0;
    if (!nothingPending)
        ReplayPending(request, report);
    if (!m_lastPlacementSkipped && !m_replayFromUndo && (nothingPending || m_refocus || request.reactivated))
        report.copyAllAtEnd = true;
    m_replayFromUndo = m_refocus = m_lastPlacementSkipped = false;
    m_pendingCount = 0;
    if (!m_doc.IsUndoImageValid()) {
        CopyToUndoImage();
        m_doc.SetUndoImageValid(true);
    }
    return report;
}

void PaintReport::AddGlobRect(const QRect& rect)
{
    // Past a few hundred rectangles one bounding box copies faster than many small ones.
    constexpr size_t kMaxRects = 512;
    if (globRects.size() < kMaxRects) {
        globRects.push_back(rect);
        return;
    }
    if (globRects.size() == kMaxRects) {
        QRect bounds;
        for (const QRect& r : globRects)
            bounds |= r;
        globRects.assign(1, bounds);
        mergedRects = true;
    }
    globRects.front() |= rect;
}

QImage DrawingCanvas::RenderAll() const
{
    QImage image(Size(), QImage::Format_RGB32);
    ClearCanvas(image);
    ReplayColors colors(m_shapes);
    ReplayGlobs(m_doc, m_shapes, colors, image, 0, m_doc.Records().GlobCount(), [](const QRect&) {});
    return image;
}

void DrawingCanvas::ReplayOnto(QImage& image, ReplayColors& colors, int start, int end) const
{
    end = std::min(end, m_doc.Records().GlobCount());
    if (start < end)
        ReplayGlobs(m_doc, m_shapes, colors, image, start, end, [](const QRect&) {});
}
