#include "view/DrawingCanvas.h"

#include <QPainter>

#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/ColorChangeCursor.h"
#include "view/StatusSink.h"

namespace {

QColor ToQColor(RgbColor c) { return QColor(RgbRed(c), RgbGreen(c), RgbBlue(c)); }

// Draws globs [start, end) onto image, applying their colour changes on the way; calls
// drawn(rect, remaining) after each glob and stops when it returns false.
template <typename Drawn>
bool ReplayGlobs(const CDaubrixDoc& doc, ShapeTable& shapes, QImage& image, int start, int end, Drawn&& drawn)
{
    const std::vector<CGlob>& globs = doc.Globs();
    ColorChangeCursor cursor(doc.ColorChanges().Items(), start);
    int nextChange = cursor.NextAt(start);
    for (int i = start; i < end; ++i) {
        const CGlob& glob = globs[size_t(i)];
        if (i == nextChange) {
            cursor.ApplyAt(i, [&](const CColorChange& c) {
                if (glob.shape < shapes.Count())
                    shapes.Shape(glob.shape).Recolor(c.hue, c.saturation, c.value);
            });
            nextChange = cursor.NextAt(i + 1);
        }
        if (!drawn(glob.Draw(image, shapes), end - i))
            return false;
    }
    return true;
}

} // namespace

DrawingCanvas::DrawingCanvas(CDaubrixDoc& doc, ShapeTable& shapes)
    : m_doc(doc), m_shapes(shapes)
{
}

void DrawingCanvas::InitialUpdate()
{
    historyPosition = m_doc.GlobCount();
}

QSize DrawingCanvas::Size() const
{
    return QSize(m_doc.DrawingWidth(), m_doc.DrawingHeight());
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
    undoBase = historyPosition;
}

void DrawingCanvas::ApplyPrecedingRecord(int globIndex)
{
    m_doc.ApplyColorChangeRecord(m_doc.LastColorChangeBefore(globIndex));
}

void DrawingCanvas::RebuildUndoImage(bool linesMode, StatusSink* status)
{
    StatusSink quiet;
    StatusSink& sink = status ? *status : quiet;
    ClearCanvas(m_undo);
    if (undoBase <= 0)
        return;
    sink.SetWaitCursor(true);
    const QString saved = sink.StatusText();
    sink.SetStatusText(QStringLiteral("Rebuilding Undo Image, Please wait..."));
    if (linesMode)
        ApplyPrecedingRecord(undoBase);
    const int every = undoBase / 100;
    const float share = 100.0f / float(undoBase);
    float progress = 0;
    int i = 0;
    ReplayGlobs(m_doc, m_shapes, m_undo, 0, undoBase, [&](const QRect&, int) {
        progress += share;
        if (every > 10 && i % every == 0)
            sink.SetProgressText(QString::asprintf("%2d%%", int(progress)));
        ++i;
        return true;
    });
    sink.SetProgressText(QStringLiteral(" "));
    sink.SetWaitCursor(false);
    sink.SetStatusText(saved);
}

void DrawingCanvas::RegenerateFromUndo()
{
    int position = 0;
    if (undoBase != 0 && !m_doc.FindColorChange(undoBase, position))
        ApplyPrecedingRecord(undoBase);
    replayFromUndo = true;
    pendingCount = historyPosition - undoBase;
    regenerateRequest = true;
    waitCursor = true;
}

void DrawingCanvas::Regenerate()
{
    pendingCount = historyPosition;
    regenerateRequest = true;
    waitCursor = true;
}

void DrawingCanvas::RedrawAtHistoryPosition()
{
    if (historyPosition < undoBase)
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
    regenerateRequest = false;
    if (historyPosition != pendingCount && undoBase != 0 && historyPosition >= undoBase)
        m_drawing = m_undo.copy(); // continue from the snapshot at the undo base
    else
        ClearCanvas(m_drawing);
    report.copyAllAtStart = true;
}

bool DrawingCanvas::ReplayPending(const PaintRequest& request, PaintReport& report)
{
    StatusSink quiet;
    StatusSink& sink = request.status ? *request.status : quiet;
    if (waitCursor)
        sink.SetWaitCursor(true);
    QString saved;
    if (importDrawingMode) {
        saved = sink.StatusText();
        sink.SetStatusText(QStringLiteral("Drawing after importing image,   Press ESC to cancel..."));
    }
    const int end = historyPosition;
    const int start = qMax(0, end - pendingCount);
    if (request.linesMode)
        ApplyPrecedingRecord(start);
    const bool finished = ReplayGlobs(m_doc, m_shapes, m_drawing, start, end, [&](const QRect& r, int remaining) {
        if (!r.isEmpty())
            report.AddGlobRect(QRect(r.left(), r.top(), r.width() + 1, r.height() + 1));
        if (importDrawingMode && remaining % 100 == 0) {
            if (importCancelled)
                return false;
            if (request.checkEscape && request.checkEscape())
                return false;
        }
        return true;
    });
    if (waitCursor) {
        sink.SetWaitCursor(false);
        waitCursor = false;
    }
    if (importDrawingMode)
        sink.SetStatusText(saved);
    return finished;
}

PaintReport DrawingCanvas::Paint(const PaintRequest& request)
{
    PaintReport report;
    if (firstPaint) {
        firstPaint = false;
        CreateImages();
        CopyToUndoImage();
        pendingCount = m_doc.GlobCount();
    }
    if (regenerateRequest)
        StartRegeneration(report);
    const bool nothingPending = pendingCount <= 0;
    if (!nothingPending)
        report.cancelled = !ReplayPending(request, report);
    if (!lastPlacementSkipped && !replayFromUndo && (nothingPending || refocus || request.reactivated))
        report.copyAllAtEnd = true;
    replayFromUndo = refocus = lastPlacementSkipped = false;
    pendingCount = 0;
    if (!m_doc.IsUndoImageValid()) {
        CopyToUndoImage();
        m_doc.SetUndoImageValid(true);
    }
    importDrawingMode = importCancelled = false;
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

QImage DrawingCanvas::RenderAll()
{
    QImage image(Size(), QImage::Format_RGB32);
    ClearCanvas(image);
    ReplayGlobs(m_doc, m_shapes, image, 0, m_doc.GlobCount(), [](const QRect&, int) { return true; });
    return image;
}
