#include "view/DrawingHistory.h"

#include <algorithm>

#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingState.h"
#include "view/PaletteLink.h"
#include "view/StatusSink.h"
#include "view/UndoState.h"

void DrawingHistory::AddSectionBoundary(int n)
{
    Sections& sec = m_s.doc.Records().CurrentSections();
    if (sec.IsSectionBoundary(n))
        return;
    if (sec.count > Sections::kMaxBoundaries - 1) {
        sec.base = sec.boundaries[0];
        std::copy(sec.boundaries.begin() + 1, sec.boundaries.begin() + sec.count, sec.boundaries.begin());
        sec.count = Sections::kMaxBoundaries - 1;
    }
    int at = 0;
    while (at < sec.count && sec.boundaries[size_t(at)] <= n)
        ++at;
    std::copy_backward(sec.boundaries.begin() + at, sec.boundaries.begin() + sec.count,
                       sec.boundaries.begin() + sec.count + 1);
    sec.boundaries[size_t(at)] = n;
    ++sec.count;

    HistorySlider& slider = m_s.slider;
    slider.SetRange(sec.base, sec.boundaries[size_t(sec.count - 1)]);
    slider.ClearTicks();
    AddBoundaryTicks(true);
    slider.SetPosition(n);
    slider.Repaint();
}

void DrawingHistory::AddBoundaryTicks(bool skipLargest)
{
    const Sections& sec = m_s.doc.Records().CurrentSections();
    const int last = skipLargest ? sec.count - 1 : sec.count;
    for (int i = 0; i < last; ++i)
        m_s.slider.AddTick(sec.boundaries[size_t(i)]);
}

void DrawingHistory::SetSliderToSections(int maximum)
{
    const Sections& sec = m_s.doc.Records().CurrentSections();
    m_s.slider.ClearTicks();
    m_s.slider.SetRange(sec.count > 0 ? sec.boundaries[0] : sec.base, maximum);
    m_s.slider.SetPosition(maximum);
    AddBoundaryTicks(false);
    m_s.slider.Repaint();
}

void DrawingHistory::TruncateHistory()
{
    DrawingCanvas& canvas = m_s.canvas;
    CDaubrixDoc& doc = m_s.doc;
    const int position = canvas.HistoryPosition();
    if (position >= doc.Records().GlobCount())
        return;
    StatusSink quiet;
    StatusSink& status = m_s.status ? *m_s.status : quiet;
    status.SetWaitCursor(true);
    doc.Records().TruncateGlobs(position);
    const HsvColor color = m_s.tools.palettes ? m_s.tools.palettes->ColorsWindowColor() : m_s.tools.shapes.Current().Color();
    doc.Records().SetColorChange(-1, color);
    Sections& sec = doc.Records().CurrentSections();
    for (int i = 0; i < sec.count; ++i) {
        if (sec.boundaries[size_t(i)] > position) {
            // Boundaries stay distinct: when the position already ends a section, the
            // boundaries after it simply go.
            const bool onBoundary = i > 0 && sec.boundaries[size_t(i - 1)] == position;
            sec.boundaries[size_t(i)] = position;
            sec.count = onBoundary ? i : i + 1;
            break;
        }
    }
    SetSliderToSections(doc.Records().GlobCount());
    status.SetWaitCursor(false);
}

void DrawingHistory::RefreshHistorySlider()
{
    const Sections& sec = m_s.doc.Records().CurrentSections();
    HistorySlider& slider = m_s.slider;
    slider.ClearTicks();
    slider.SetRange(sec.base, m_s.doc.Records().GlobCount());
    slider.SetPosition(m_s.canvas.HistoryPosition());
    AddBoundaryTicks(false);
    slider.Repaint();
}

void DrawingHistory::FinishPendingClear()
{
    m_s.pendingClear = false;
    m_s.doc.Records().DeleteContents();
    m_s.doc.Records().CurrentSections().count = 0;
    m_s.doc.Records().CurrentSections().base = 0;
    m_s.canvas.SetHistoryPosition(0);
}

bool DrawingHistory::CanUndo() const { return m_s.doc.UndoState() != UndoNothing; }

void DrawingHistory::Undo()
{
    switch (m_s.doc.UndoState()) {
    case UndoDrawing: UndoDrawingStep(); break;
    case RedoDrawing: RedoDrawingStep(); break;
    case UndoMoveCenter:
    case RedoMoveCenter:
        std::swap(m_s.centre, m_s.previousCentre);
        m_s.doc.SetUndoState(m_s.doc.UndoState() == UndoMoveCenter ? RedoMoveCenter : UndoMoveCenter);
        break;
    case UndoDepth:
    case RedoDepth: SwapDepthColors(); break;
    case UndoClear: UndoClearStep(); break;
    case RedoClear: RedoClearStep(); break;
    default: RunStep(m_s.doc.UndoState()); break; // cut and paste register their own steps
    }
}

void DrawingHistory::SwapDepthColors()
{
    m_s.doc.Records().SwapColorChanges();
    m_s.doc.SetUndoState(m_s.doc.UndoState() == UndoDepth ? RedoDepth : UndoDepth);
    RedrawAfterDepth();
}

void DrawingHistory::RedrawAfterDepth()
{
    DrawingCanvas& canvas = m_s.canvas;
    // The undo image holds globs below the base in their old colours.
    if (m_s.depthEntireDrawing || !m_s.depthAboveBase)
        canvas.RebuildUndoImage(m_s.status);
    canvas.RedrawAtHistoryPosition();
    m_s.Invalidate();
}

void DrawingHistory::SetStep(int undoState, std::function<void()> step)
{
    if (undoState >= 0 && undoState < int(m_steps.size()))
        m_steps[size_t(undoState)] = std::move(step);
}

void DrawingHistory::RunStep(int undoState)
{
    if (undoState >= 0 && undoState < int(m_steps.size()) && m_steps[size_t(undoState)])
        m_steps[size_t(undoState)]();
}

void DrawingHistory::UndoDrawingStep()
{
    DrawingCanvas& canvas = m_s.canvas;
    const int a = canvas.HistoryPosition();
    m_redoTarget = a;
    canvas.SetHistoryPosition(m_s.doc.Records().SectionStart(a));
    m_s.slider.SetPosition(canvas.HistoryPosition());
    m_s.slider.Repaint();
    canvas.RedrawAtHistoryPosition();
    m_s.doc.SetUndoState(RedoDrawing);
    m_s.Invalidate();
}

void DrawingHistory::RedoDrawingStep()
{
    DrawingCanvas& canvas = m_s.canvas;
    canvas.AdvanceTo(m_redoTarget);
    m_s.slider.SetPosition(canvas.HistoryPosition());
    m_s.slider.Repaint();
    canvas.RedrawAtHistoryPosition();
    m_s.doc.SetUndoState(UndoDrawing);
    m_s.Invalidate();
}

void DrawingHistory::UndoClearStep()
{
    m_s.pendingClear = false;
    m_s.doc.Records().SwapColorChanges();
    m_s.slider.SetRange(m_saved.minimum, m_saved.maximum);
    m_s.slider.SetPosition(m_saved.position);
    Sections& sec = m_s.doc.Records().CurrentSections();
    sec.count = m_saved.sectionCount;
    sec.base = m_saved.sectionBase;
    m_s.canvas.SetHistoryPosition(m_redoTarget);
    m_s.slider.ClearTicks();
    AddBoundaryTicks(false);
    m_s.slider.Repaint();
    m_s.canvas.RedrawAtHistoryPosition();
    m_s.doc.SetUndoState(RedoClear);
    m_s.Invalidate();
}

void DrawingHistory::RedoClearStep()
{
    m_s.pendingClear = true;
    m_s.doc.Records().SwapColorChanges();
    m_s.slider.ClearTicks();
    m_s.slider.SetRange(0, 0);
    m_s.slider.SetPosition(0);
    m_s.slider.Repaint();
    Sections& sec = m_s.doc.Records().CurrentSections();
    sec.count = 0;
    sec.base = 0;
    m_s.canvas.SetHistoryPosition(0);
    m_s.canvas.RequestRegeneration(); // nothing is shown: the paint clears the picture
    m_s.doc.SetUndoState(UndoClear);
    m_s.Invalidate();
}

bool DrawingHistory::CanClear() const { return m_s.canvas.HistoryPosition() > 0; }

void DrawingHistory::Clear()
{
    m_s.doc.Records().SnapshotColorChanges();
    const Sections& sec = m_s.doc.Records().CurrentSections();
    m_saved = {m_s.slider.Minimum(), m_s.slider.Maximum(), m_s.slider.Position(), sec.count, sec.base};
    m_redoTarget = m_s.canvas.HistoryPosition();
    RedoClearStep(); // pending clear, empty slider and sections, undo state "Clear"
}

// Once the slider moved, the last stroke is no longer the thing Undo would take back.
void DrawingHistory::ForgetDrawingUndo()
{
    CDaubrixDoc& doc = m_s.doc;
    if (doc.UndoState() == UndoDrawing || doc.UndoState() == RedoDrawing)
        doc.SetUndoState(UndoNothing);
}

int DrawingHistory::SnapWhileDragging(int position)
{
    CDaubrixDoc& doc = m_s.doc;
    ForgetDrawingUndo();
    const Sections& sec = doc.Records().CurrentSections();
    int snap = 1;
    if (doc.Records().GlobCount() > 9 && sec.count > 0)
        snap = std::max(5, int(float(sec.boundaries[size_t(sec.count - 1)] - sec.boundaries[0]) * 0.05f));
    for (int i = 0; i < sec.count; ++i) {
        if (std::abs(sec.boundaries[size_t(i)] - position) < snap) {
            position = sec.boundaries[size_t(i)];
            break;
        }
    }
    m_s.slider.SetPosition(position);
    return m_s.slider.Position();
}

void DrawingHistory::ReleaseSlider(int p)
{
    DrawingCanvas& canvas = m_s.canvas;
    const int h = canvas.HistoryPosition();
    m_s.slider.SetPosition(p);
    if (p < h) {
        canvas.SetHistoryPosition(p);
        canvas.RedrawAtHistoryPosition();
    } else {
        canvas.AdvanceTo(p);
        if (p < canvas.UndoBase() || h >= canvas.UndoBase())
            canvas.WaitWhilePainting(); // the new globs go on top of the current picture
        else
            canvas.RegenerateFromUndo();
        m_s.doc.Records().MarkShapesUsed(h, p);
        if (m_s.tools.palettes)
            m_s.tools.palettes->RepaintShapesWindow();
    }
    m_s.Invalidate();
}

void DrawingHistory::PreviousSection()
{
    ForgetDrawingUndo();
    const Sections& sec = m_s.doc.Records().CurrentSections();
    int target = sec.base;
    for (int i = 0; i < sec.count; ++i)
        if (sec.boundaries[size_t(i)] < m_s.canvas.HistoryPosition())
            target = sec.boundaries[size_t(i)];
    ReleaseSlider(target);
}

void DrawingHistory::NextSection()
{
    ForgetDrawingUndo();
    const Sections& sec = m_s.doc.Records().CurrentSections();
    for (int i = 0; i < sec.count; ++i) {
        if (sec.boundaries[size_t(i)] > m_s.canvas.HistoryPosition()) {
            ReleaseSlider(sec.boundaries[size_t(i)]);
            return;
        }
    }
}
