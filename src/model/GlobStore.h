#pragma once

#include <algorithm>
#include <climits>

#include <functional>
#include <cstddef>
#include <vector>

#include <QPoint>

#include "model/CColorChange.h"
#include "model/CGlob.h"
#include "model/ColorChangeList.h"
#include "model/OutOfMemoryGuard.h"
#include "model/Sections.h"

class GlobRunStore;
class ShapeTable;

enum class ColorMode { WithoutColor, WithColor };
enum class RemoveMode { SameShapeOnly, All };

// The lists that make up one drawing: globs, colour changes (with a copy kept for undo) and
// the section boundaries, with the operations the view and the transfer commands call.
class GlobStore
{
public:
    static constexpr int kMargin = 20; // globs may lie up to 19 pixels outside the drawing

    explicit GlobStore(ShapeTable& shapes) : m_shapes(shapes) {}

    void SetMessageSink(MessageSink sink) { m_guard.report = std::move(sink); }
    void SetAllocationProbe(std::function<void()> probe) { m_guard.probe = std::move(probe); }
    // The attached view's history position, used for colour changes "at the current end".
    void SetHistoryPositionSource(std::function<int()> source) { m_historyPosition = std::move(source); }

    int DrawingWidth() const { return m_width; }
    int DrawingHeight() const { return m_height; }

    int GlobCount() const { return int(m_globs.size()); }
    const CGlob& GetGlob(int index) const { return m_globs[std::size_t(index)]; }
    const std::vector<CGlob>& Globs() const { return m_globs; }
    int ColorChangeCount() const { return m_changes.Count(); }
    const CColorChange* GetColorChange(int position) const { return m_changes.At(position); }
    const ColorChangeList& ColorChanges() const { return m_changes; }
    const ColorChangeList& SavedColorChanges() const { return m_savedChanges; }
    // The records themselves, for rewrites that keep their glob order (Simulate Depth).
    std::vector<CColorChange>& EditColorChanges()
    {
        NoteChange(0);
        return m_changes.Items();
    }

    // The lowest glob index from which the replayed picture may differ since the last call
    // (INT_MAX when nothing changed), so that pictures kept of the drawing at earlier glob
    // counts stay in use. Every change of the glob or colour-change records lowers it.
    int TakeChangedFrom()
    {
        const int from = m_changedFrom;
        m_changedFrom = INT_MAX;
        return from;
    }

    bool AddGlob(int x, int y);
    bool AppendGlob(int x, int y);
    bool InsertGlob(int position, int x, int y);
    void DeleteGlobRange(int first, int end);
    void TruncateGlobs(int globIndex);
    bool InsertGlobs(int position, const GlobRunStore& clip, QPoint offset, ColorMode mode);

    bool SetColorChange(int globIndex, HsvColor color);
    bool SetColorChange(int globIndex, int hue, int saturation, int value);
    bool FindColorChange(int globIndex, int& position) const;
    int HueAt(int globIndex) const { return m_changes.ColorAt(globIndex).hue; }
    int SaturationAt(int globIndex) const { return m_changes.ColorAt(globIndex).saturation; }
    int ValueAt(int globIndex) const { return m_changes.ColorAt(globIndex).value; }
    void SetValueAt(int globIndex, int value)
    {
        NoteChange(globIndex);
        m_changes.SetValueAt(globIndex, value);
    }
    int NextColorChangeAfter(int globIndex) const { return m_changes.NextColorChangeAfter(globIndex); }
    int LastColorChangeBefore(int globIndex) const { return m_changes.LastColorChangeBefore(globIndex); }
    int ColorChangeInEffect(int globIndex) const { return m_changes.ColorChangeInEffect(globIndex); }
    void ShiftColorChanges(int newStart, int oldStart)
    {
        NoteChange(std::min(newStart, oldStart));
        m_changes.ShiftColorChanges(newStart, oldStart);
    }
    void OffsetColorChanges(int start, int amount)
    {
        NoteChange(std::min(start, start + amount));
        m_changes.OffsetColorChanges(start, amount);
    }
    void RemoveColorChangesBetween(int first, int end)
    {
        NoteChange(first);
        m_changes.RemoveBetween(first, end);
    }
    void ApplyColorChangesAt(int globIndex);
    void ApplyColorChangeRecord(int position);
    bool InsertColorChanges(int position, int globOffset, const GlobRunStore& clip);
    bool SnapshotColorChanges();
    void SwapColorChanges()
    {
        NoteChange(0);
        std::swap(m_changes, m_savedChanges);
    }

    void RemoveColorChangesInRange(int a, int b, RemoveMode mode);
    void MergeEqualColorChanges(int a, int b);
    void CarryColorsAcrossShapes(int a, int b);
    void MarkShapesUsed(int first, int end);

    Sections& CurrentSections() { return m_sections; }
    const Sections& CurrentSections() const { return m_sections; }
    void SaveSections() { m_savedSections = m_sections; }
    void ExchangeSections() { std::swap(m_sections, m_savedSections); }
    int SectionStart(int a) const { return m_sections.SectionStart(a); }
    bool IsSectionBoundary(int globIndex) const { return m_sections.IsSectionBoundary(globIndex); }

    void DeleteContents();

    void SetDrawingSize(int width, int height);
    // Takes over a drawing read from a file; the saved copies start empty.
    void AdoptRecords(std::vector<CGlob>&& globs, std::vector<CColorChange>&& changes, const Sections& sections);
    ShapeTable& Shapes() const { return m_shapes; }
    const MessageSink& Report() const { return m_guard.report; }

private:
    bool InsideMargin(int x, int y) const;
    int CurrentShape() const;
    HsvColor ShapeColor(int shape) const;
    int ShapeOfGlob(int globIndex) const; // -1 when there is no such glob
    bool SameShape(int globA, int globB) const;
    bool DifferentShape(int globA, int globB) const;
    bool BelowGlobCount(int position) const;
    void KeepColorChanges(const std::function<bool(const CColorChange&, const CColorChange&)>& keep);
    void RecolorShapeOf(int globIndex, const CColorChange& change);
    void NoteChange(int firstGlob) { m_changedFrom = std::min(m_changedFrom, std::max(firstGlob, 0)); }

    ShapeTable& m_shapes;
    OutOfMemoryGuard m_guard;
    std::function<int()> m_historyPosition;
    int m_changedFrom = 0; // see TakeChangedFrom
    int m_width = 100;
    int m_height = 100;
    std::vector<CGlob> m_globs;
    ColorChangeList m_changes;
    ColorChangeList m_savedChanges;
    Sections m_sections;
    Sections m_savedSections;
};
