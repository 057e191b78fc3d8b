#include "model/GlobStore.h"

#include <algorithm>

#include "model/GlobRunStore.h"
#include "shapes/ShapeTable.h"

bool GlobStore::AddGlob(int x, int y)
{
    if (!m_globs.empty())
        return InsideMargin(x, y) && AppendGlob(x, y);
    // The first glob brings its colour; if the glob cannot be stored, neither is the colour.
    ColorChangeList before;
    if (!m_guard.Run([&] { before = m_changes; }))
        return false;
    if (!SetColorChange(-1, ShapeColor(CurrentShape())) || !InsideMargin(x, y))
        return false;
    if (AppendGlob(x, y))
        return true;
    m_changes = std::move(before);
    return false;
}

bool GlobStore::AppendGlob(int x, int y)
{
    NoteChange(GlobCount());
    return m_guard.Run([&] { m_globs.emplace_back(x, y, CurrentShape()); });
}

bool GlobStore::InsertGlob(int position, int x, int y)
{
    if (!InsideMargin(x, y))
        return false;
    position = std::clamp(position, 0, GlobCount());
    NoteChange(position);
    return m_guard.Run([&] { m_globs.insert(m_globs.begin() + position, CGlob(x, y, CurrentShape())); });
}

void GlobStore::DeleteGlobRange(int first, int end)
{
    first = std::clamp(first, 0, GlobCount());
    end = std::clamp(end, first, GlobCount());
    NoteChange(first);
    m_globs.erase(m_globs.begin() + first, m_globs.begin() + end);
}

void GlobStore::TruncateGlobs(int globIndex)
{
    NoteChange(globIndex);
    m_globs.resize(size_t(std::clamp(globIndex, 0, GlobCount())));
    m_changes.RemoveFrom(globIndex);
}

bool GlobStore::InsertGlobs(int position, const GlobRunStore& clip, QPoint offset, ColorMode mode)
{
    position = std::clamp(position, 0, GlobCount());
    NoteChange(position);
    const std::vector<CGlob>& source = clip.Globs();
    ColorChangeList before;
    const bool inserted = m_guard.Run([&] {
        before = m_changes;
        std::vector<CGlob> moved;
        moved.reserve(source.size());
        for (const CGlob& g : source)
            moved.emplace_back(g.x + offset.x(), g.y + offset.y(), g.shape);
        m_globs.insert(m_globs.begin() + position, moved.begin(), moved.end());
    });
    if (!inserted || mode == ColorMode::WithoutColor)
        return inserted;
    for (size_t k = 1; k < source.size(); ++k) {
        if (source[k].shape != source[k - 1].shape && !SetColorChange(position + int(k), ShapeColor(source[k].shape))) {
            // All or nothing: a paste without its colours would draw wrongly.
            m_changes = std::move(before);
            DeleteGlobRange(position, position + int(source.size()));
            return false;
        }
    }
    return true;
}

bool GlobStore::SetColorChange(int globIndex, HsvColor color)
{
    if (globIndex == -1)
        globIndex = m_historyPosition ? m_historyPosition() : GlobCount();
    NoteChange(globIndex);
    return m_guard.Run([&] { m_changes.Set(globIndex, color); });
}

bool GlobStore::SetColorChange(int globIndex, int hue, int saturation, int value)
{
    return SetColorChange(globIndex, HsvColor{std::int16_t(hue), std::uint8_t(saturation), std::uint8_t(value)});
}

bool GlobStore::FindColorChange(int globIndex, int& position) const
{
    position = m_changes.Find(globIndex);
    return position < m_changes.Count();
}

void GlobStore::ApplyColorChangesAt(int globIndex)
{
    for (const CColorChange& change : m_changes.Items()) {
        if (change.globIndex == globIndex)
            RecolorShapeOf(globIndex, change);
    }
}

void GlobStore::ApplyColorChangeRecord(int position)
{
    const CColorChange* change = m_changes.At(position);
    if (change && change->globIndex < GlobCount())
        RecolorShapeOf(change->globIndex, *change);
}

bool GlobStore::InsertColorChanges(int position, int globOffset, const GlobRunStore& clip)
{
    // Built on a copy so that running out of memory leaves the list as it was.
    NoteChange(0);
    return m_guard.Run([&] {
        ColorChangeList result = m_changes;
        const std::vector<CColorChange>& source = clip.ColorChanges();
        for (size_t k = 0; k < source.size(); ++k) {
            CColorChange copy = source[k];
            copy.globIndex += globOffset;
            if (result.Find(copy.globIndex) == result.Count())
                result.Insert(position + int(k), copy);
        }
        m_changes = std::move(result);
    });
}

bool GlobStore::SnapshotColorChanges()
{
    return m_guard.Run([&] { m_savedChanges = m_changes; });
}

// Drops colour changes in a..b that recolour to no effect (the glob keeps the previous
// record's shape), or all of them; the record at list position 0 goes last. Each record is
// compared with the last one kept, in one pass, so a long drawing costs no quadratic erase.
void GlobStore::RemoveColorChangesInRange(int a, int b, RemoveMode mode)
{
    KeepColorChanges([&](const CColorChange& here, const CColorChange& kept) {
        const bool inRange = here.globIndex >= a && here.globIndex <= b;
        return !(inRange && (mode == RemoveMode::All || SameShape(here.globIndex, kept.globIndex)));
    });
    if (!m_changes.IsEmpty() && BelowGlobCount(0) && m_changes[0].globIndex >= a && m_changes[0].globIndex <= b) {
        NoteChange(0);
        m_changes.RemoveAt(0);
    }
}

void GlobStore::MergeEqualColorChanges(int a, int b)
{
    KeepColorChanges([&](const CColorChange& here, const CColorChange& kept) {
        const bool inRange = here.globIndex >= a && here.globIndex <= b;
        return !(inRange && here.hue == kept.hue && here.saturation == kept.saturation
                 && SameShape(here.globIndex, kept.globIndex));
    });
}

// Keeps the first record, then each record below the glob count that `keep` accepts against
// the last record kept; records at or beyond the glob count all stay.
void GlobStore::KeepColorChanges(const std::function<bool(const CColorChange&, const CColorChange&)>& keep)
{
    NoteChange(0);
    std::vector<CColorChange>& items = m_changes.Items();
    std::size_t kept = 1;
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (items[i].globIndex < GlobCount() && !keep(items[i], items[kept - 1]))
            continue;
        items[kept++] = items[i];
    }
    if (kept < items.size())
        items.resize(kept);
}

void GlobStore::CarryColorsAcrossShapes(int a, int b)
{
    NoteChange(a);
    for (int i = 1; i < m_changes.Count() && BelowGlobCount(i); ++i) {
        CColorChange& here = m_changes[i];
        const CColorChange& before = m_changes[i - 1];
        if (a < here.globIndex && here.globIndex <= b && DifferentShape(here.globIndex, before.globIndex))
            here.SetColor(before.Color());
    }
}

void GlobStore::MarkShapesUsed(int first, int end)
{
    first = std::max(first, 0);
    end = std::min(end, GlobCount());
    for (int i = first; i < end; ++i) {
        const int shape = m_globs[size_t(i)].shape;
        if (shape < m_shapes.Count())
            m_shapes.Shape(shape).MarkRecolorPending();
    }
}

void GlobStore::DeleteContents()
{
    NoteChange(0);
    m_globs = {};
    m_changes.Clear();
    m_savedChanges.Clear();
}

void GlobStore::SetDrawingSize(int width, int height)
{
    NoteChange(0);
    m_width = width;
    m_height = height;
}

void GlobStore::AdoptRecords(std::vector<CGlob>&& globs, std::vector<CColorChange>&& changes,
                             const Sections& sections)
{
    NoteChange(0);
    m_globs = std::move(globs);
    m_changes.Items() = std::move(changes);
    m_savedChanges.Clear();
    m_sections = sections;
    m_savedSections = Sections();
}

bool GlobStore::InsideMargin(int x, int y) const
{
    return x > -kMargin && x < m_width + kMargin && y > -kMargin && y < m_height + kMargin;
}

int GlobStore::CurrentShape() const
{
    return m_shapes.CurrentIndex();
}

HsvColor GlobStore::ShapeColor(int shape) const
{
    return shape >= 0 && shape < m_shapes.Count() ? m_shapes.Shape(shape).Color() : HsvColor{};
}

int GlobStore::ShapeOfGlob(int globIndex) const
{
    return globIndex >= 0 && globIndex < GlobCount() ? m_globs[size_t(globIndex)].shape : -1;
}

bool GlobStore::SameShape(int globA, int globB) const
{
    const int shape = ShapeOfGlob(globA);
    return shape >= 0 && shape == ShapeOfGlob(globB);
}

bool GlobStore::DifferentShape(int globA, int globB) const
{
    const int shapeA = ShapeOfGlob(globA);
    const int shapeB = ShapeOfGlob(globB);
    return shapeA >= 0 && shapeB >= 0 && shapeA != shapeB;
}

bool GlobStore::BelowGlobCount(int position) const
{
    return m_changes[position].globIndex < GlobCount();
}

void GlobStore::RecolorShapeOf(int globIndex, const CColorChange& change)
{
    const int shape = ShapeOfGlob(globIndex);
    if (shape >= 0 && shape < m_shapes.Count())
        m_shapes.Shape(shape).Recolor(change.hue, change.saturation, change.value);
}
