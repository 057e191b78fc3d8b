#include "view/DrawingCanvas.h"

#include <algorithm>

#include <QPainter>

#include "imaging/PaddedImage.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/StatusSink.h"

namespace {

QColor ToQColor(RgbColor c) { return QColor(RgbRed(c), RgbGreen(c), RgbBlue(c)); }

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
    CopyPixels(m_drawing, m_undo);
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
    Replay(colors, m_undo).Run(0, m_undoBase, [&](const QRect&) {
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
    m_drawing = NewPaddedImage(Size());
    m_drawing.fill(Qt::black);
    CopyPixels(m_drawing, m_undo);
}

PaperKey DrawingCanvas::Paper() const
{
    return PaperKey{m_doc.BackgroundColor(), m_doc.HasBackgroundImage(), m_background.cacheKey(), m_backgroundOffset,
                    Size()};
}

bool DrawingCanvas::ResumeFromKeyframe()
{
    const int start = qMax(0, m_historyPosition - m_pendingCount);
    const KeyframeStore::Keyframe* keyframe = m_keyframes.Best(start, m_historyPosition);
    if (!keyframe)
        return false;
    CopyPixels(keyframe->image, m_drawing);
    m_replayColors = keyframe->colors;
    m_replayedTo = keyframe->position;
    m_pendingCount = m_historyPosition - keyframe->position;
    return true;
}

void DrawingCanvas::StartRegeneration(PaintReport& report)
{
    m_regenerateRequest = false;
    m_replayedTo = -1; // the records may have changed anywhere: the colours are seeded again
    report.copyAllAtStart = true;
    if (ResumeFromKeyframe())
        return;
    if (m_historyPosition != m_pendingCount && m_undoBase != 0 && m_historyPosition >= m_undoBase)
        CopyPixels(m_undo, m_drawing); // continue from the snapshot at the undo base
    else
        ClearCanvas(m_drawing);
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
        SeedColors(m_doc.Records(), m_replayColors, start);
    // After a regeneration the window copies the whole image: the globs' rectangles are not
    // wanted. A long replay keeps keyframes on its way.
    if (report.copyAllAtStart) {
        int from = start;
        if (end - start >= KeyframeStore::kDefaultMinSpacing) {
            for (int stop : m_keyframes.Missing(start, end, m_doc.Records())) {
                Replay(m_replayColors, m_drawing).Run(from, stop);
                m_keyframes.Capture(stop, m_drawing, m_replayColors, m_doc.Records(), m_shapes);
                from = stop;
            }
        }
        Replay(m_replayColors, m_drawing).Run(from, end);
    } else {
        Replay(m_replayColors, m_drawing).Run(start, end, [&](const QRect& r) {
            if (!r.isEmpty())
                report.AddGlobRect(QRect(r.left(), r.top(), r.width() + 1, r.height() + 1));
        });
    }
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
    m_keyframes.Validate(m_doc.Records().TakeChangedFrom(), Paper(), m_shapes);
    if (m_regenerateRequest)
        StartRegeneration(report);
    else if (m_pendingCount >= KeyframeStore::kDefaultMinSpacing && ResumeFromKeyframe())
        report.copyAllAtStart = true; // far forward: from a keyframe rather than on top
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
    QImage image = NewPaddedImage(Size());
    ClearCanvas(image);
    ReplayColors colors(m_shapes);
    Replay(colors, image).Run(0, m_doc.Records().GlobCount());
    return image;
}

void DrawingCanvas::ReplayOnto(QImage& image, ReplayColors& colors, int start, int end) const
{
    Replay(colors, image).Run(start, end);
}

GlobReplay DrawingCanvas::Replay(ReplayColors& colors, QImage& image) const
{
    GlobReplay replay(m_doc.Records(), colors, image);
    replay.SetThreads(m_replayThreads);
    return replay;
}
