#include "view/GlobTransfers.h"

#include "imaging/GlobRunRecords.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingModes.h"
#include "view/DrawingState.h"
#include "view/PaletteLink.h"
#include "view/StrokeEngine.h"
#include "view/UndoState.h"

using namespace GlobRunRecords;

GlobTransfers::GlobTransfers(DrawingState& state, DrawingHistory& history, StrokeEngine& strokes)
    : m_s(state), m_history(history), m_strokes(strokes)
{
    m_history.SetStep(UndoCut, [this] { UndoCutStep(); });
    m_history.SetStep(RedoCut, [this] { RedoCutStep(); });
    m_history.SetStep(UndoPaste, [this] { UndoPasteStep(); });
    m_history.SetStep(RedoPaste, [this] { RedoPasteStep(); });
}

bool GlobTransfers::CanTake() const { return m_s.canvas.HistoryPosition() > 0; }

void GlobTransfers::ForgetClipUndo(CDaubrixDoc& doc)
{
    if (doc.UndoState() == UndoCut || doc.UndoState() == RedoPaste)
        doc.SetUndoState(UndoNothing);
}

void GlobTransfers::Copy(GlobRunStore& clip, RunRange range)
{
    const int p = m_s.canvas.HistoryPosition();
    FillRunStore(clip, m_s.doc.Records(), RunStart(m_s.doc.Records(), p, range), p, m_s.centre);
}

void GlobTransfers::DefinePattern(GlobRunStore& pattern, RunRange range)
{
    Copy(pattern, range);
}

void GlobTransfers::Cut(GlobRunStore& clip, RunRange range)
{
    const int p = m_s.canvas.HistoryPosition();
    const int s = RunStart(m_s.doc.Records(), p, range);
    // Globs the clipboard could not take are not taken out of the drawing either.
    if (p <= s || !FillRunStore(clip, m_s.doc.Records(), s, p, m_s.centre))
        return;
    m_clip = &clip;
    m_cutRange = range;
    RemoveCutGlobs(s);
}

void GlobTransfers::SaveForUndo(int undoState)
{
    GlobStore& records = m_s.doc.Records();
    records.SnapshotColorChanges();
    records.SaveSections();
    const Sections& sec = records.CurrentSections();
    m_saved = {m_s.slider.Minimum(), m_s.slider.Maximum(), m_s.slider.Position(), sec.count, sec.base};
    m_redoTarget = m_s.canvas.HistoryPosition();
    m_s.doc.SetUndoState(undoState);
}

void GlobTransfers::RemoveCutGlobs(int s)
{
    DrawingCanvas& canvas = m_s.canvas;
    GlobStore& records = m_s.doc.Records();
    const int p = canvas.HistoryPosition();
    m_cutStart = s;
    m_cutCount = p - s;
    SaveForUndo(UndoCut);
    RemoveRun(records, s, p, m_cutRange, ColorInEffect(records, p, ColorsWindowColor()));
    const int base = canvas.UndoBase();
    m_cutMovedUndoBase = base >= p;
    // The undo image must not keep cut globs: past the run it closes up with the globs,
    // inside the run it goes back to where the run began.
    if (base > s) {
        canvas.SetUndoBase(m_cutMovedUndoBase ? base - m_cutCount : s);
        canvas.RebuildUndoImage(m_s.status);
    }
    canvas.SetHistoryPosition(s);
    m_history.RefreshHistorySlider();
    canvas.RedrawAtHistoryPosition();
    m_s.Invalidate();
}

void GlobTransfers::Paste(const GlobRunStore& clip, RunColors colors)
{
    if (clip.IsEmpty())
        return;
    if (m_s.pendingClear)
        m_history.FinishPendingClear();
    m_s.canvas.CopyToUndoImage();
    m_clip = &clip;
    m_pasteColors = colors;
    m_pasteColorsWindow = ColorsWindowColor();
    PasteClipGlobs();
}

void GlobTransfers::PasteClipGlobs()
{
    DrawingCanvas& canvas = m_s.canvas;
    GlobStore& records = m_s.doc.Records();
    const int p = canvas.HistoryPosition();
    const QPoint offset = m_s.centre - m_clip->origin;
    m_pastePosition = p;
    SaveForUndo(UndoPaste);
    const HsvColor colorAtP = p == 0 ? m_pasteColorsWindow : ColorInEffect(records, p, m_pasteColorsWindow);
    if (m_pasteColors == RunColors::UseNew && m_s.tools.autoChange.AnyOn())
        m_pasteCount = PlaceDrifting(p, offset, colorAtP);
    else
        m_pasteCount = InsertRun(records, p, *m_clip, offset, m_pasteColors, colorAtP);
    AddPastedSection(p, m_pasteCount);
    canvas.SetHistoryPosition(p + m_pasteCount);
    m_history.RefreshHistorySlider();
    if (p >= canvas.UndoBase())
        canvas.RegenerateFromUndo();
    else
        canvas.Regenerate(); // the undo image holds globs that have moved
    m_s.Invalidate();
}

// The pasted run becomes one section of its own.
void GlobTransfers::AddPastedSection(int p, int n)
{
    if (n == 0)
        return;
    Sections& sections = m_s.doc.Records().CurrentSections();
    if (p > 0 && !sections.IsSectionBoundary(p))
        m_history.AddSectionBoundary(p);
    sections.OffsetFrom(p, n);
    m_history.AddSectionBoundary(p > 0 ? p : n);
}

// Globs laid one by one like a hand-drawn stroke, so the active drifts run through them.
// A glob the margin refuses is left out, and the globs after the run move up only by the
// number actually laid.
int GlobTransfers::PlaceDrifting(int p, QPoint offset, HsvColor colorAtP)
{
    GlobStore& records = m_s.doc.Records();
    ShapeTable& shapes = m_s.tools.shapes;
    const int n = m_clip->GlobCount();
    const bool atEnd = p == records.GlobCount();
    if (!atEnd)
        KeepColorAfter(records, p, n, colorAtP);
    const int shapeBefore = shapes.CurrentIndex();
    int laid = 0;
    int lastShape = -1;
    for (const CGlob& g : m_clip->Globs()) {
        if (g.shape >= shapes.Count())
            continue;
        shapes.SetCurrentIndex(g.shape);
        const int at = p + laid;
        const bool placed = atEnd ? records.AppendGlob(g.x + offset.x(), g.y + offset.y())
                                  : records.InsertGlob(at, g.x + offset.x(), g.y + offset.y());
        if (!placed)
            continue;
        CShape& shape = shapes.Current();
        int hue = shape.Color().hue, saturation = shape.Color().saturation, value = shape.Color().value;
        const bool drifted = StepAutoChange(m_s.tools.autoChange, m_strokes.DriftTicks(), hue, saturation, value,
                                            m_s.tools.random);
        if (drifted || laid == 0 || g.shape != lastShape) {
            const HsvColor color{std::int16_t(hue), std::uint8_t(saturation), std::uint8_t(value)};
            records.SetColorChange(at, color);
            shape.SetColor(color);
            if (m_s.tools.palettes)
                m_s.tools.palettes->SetColorsWindowColor(color);
        }
        lastShape = g.shape;
        ++laid;
    }
    if (!atEnd)
        records.OffsetColorChanges(p + n, laid - n);
    shapes.SetCurrentIndex(shapeBefore);
    if (m_s.tools.palettes)
        m_s.tools.palettes->RepaintShapesWindow();
    return laid;
}

HsvColor GlobTransfers::ColorsWindowColor() const
{
    return m_s.tools.palettes ? m_s.tools.palettes->ColorsWindowColor() : m_s.tools.shapes.Current().Color();
}

// The records and sections as they were before the Cut or Paste, the slider with them.
void GlobTransfers::RestoreForUndo()
{
    m_s.slider.SetRange(m_saved.minimum, m_saved.maximum);
    m_s.slider.SetPosition(m_saved.position);
    m_s.slider.Repaint();
    m_s.doc.Records().SwapColorChanges();
    m_s.doc.Records().ExchangeSections();
}

void GlobTransfers::ShowBoundaryTicks()
{
    const Sections& sec = m_s.doc.Records().CurrentSections();
    m_s.slider.ClearTicks();
    for (int i = 0; i < sec.count; ++i)
        m_s.slider.AddTick(sec.boundaries[size_t(i)]);
    m_s.slider.Repaint();
}

void GlobTransfers::UndoCutStep()
{
    DrawingCanvas& canvas = m_s.canvas;
    RestoreForUndo();
    // The cut globs come back as they were cut: their colours are in the restored records.
    m_s.doc.Records().InsertGlobs(m_cutStart, *m_clip, m_s.centre - m_clip->origin, ColorMode::WithoutColor);
    ShowBoundaryTicks();
    canvas.SetHistoryPosition(m_redoTarget);
    if (m_cutMovedUndoBase) {
        canvas.SetUndoBase(canvas.UndoBase() + m_cutCount);
        canvas.RebuildUndoImage(m_s.status);
    }
    canvas.RedrawAtHistoryPosition();
    m_s.doc.SetUndoState(RedoCut);
    m_s.Invalidate();
}

void GlobTransfers::RedoCutStep()
{
    m_s.canvas.SetHistoryPosition(m_cutStart + m_cutCount);
    RemoveCutGlobs(m_cutStart);
}

void GlobTransfers::UndoPasteStep()
{
    DrawingCanvas& canvas = m_s.canvas;
    RestoreForUndo();
    m_s.doc.Records().DeleteGlobRange(m_pastePosition, m_pastePosition + m_pasteCount);
    ShowBoundaryTicks();
    canvas.SetHistoryPosition(m_redoTarget);
    canvas.RedrawAtHistoryPosition();
    m_s.doc.SetUndoState(RedoPaste);
    m_s.Invalidate();
}

void GlobTransfers::RedoPasteStep()
{
    m_s.canvas.SetHistoryPosition(m_pastePosition);
    PasteClipGlobs();
}
