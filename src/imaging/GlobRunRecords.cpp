#include "imaging/GlobRunRecords.h"

#include <algorithm>

#include "model/GlobStore.h"
#include "shapes/ShapeTable.h"

namespace GlobRunRecords
{

int RunStart(const GlobStore& records, int p, RunRange range)
{
    return range == RunRange::EntireDrawing ? 0 : records.SectionStart(p);
}

HsvColor ColorInEffect(const GlobStore& records, int index, HsvColor fallback)
{
    int position = 0;
    if (!records.FindColorChange(index, position))
        position = records.LastColorChangeBefore(index);
    const CColorChange* change = records.GetColorChange(position);
    return change ? change->Color() : fallback;
}

bool FillRunStore(GlobRunStore& store, const GlobStore& records, int s, int p, QPoint origin)
{
    store.Clear();
    store.origin = origin;
    const std::vector<CGlob>& globs = records.Globs();
    p = std::clamp(p, 0, records.GlobCount());
    s = std::clamp(s, 0, p);
    if (!store.AddGlobs(std::span<const CGlob>(globs.data() + s, size_t(p - s))))
        return false;
    const HsvColor first = ColorInEffect(records, s, HsvColor{});
    store.AddColorChange(0, first.hue, first.saturation, first.value);
    for (const CColorChange& change : records.ColorChanges().Items()) {
        if (change.globIndex > s && change.globIndex <= p)
            store.AddColorChange(change.globIndex - s, change.hue, change.saturation, change.value);
    }
    return true;
}

void KeepColorAfter(GlobStore& records, int p, int n, HsvColor colorAtP)
{
    int position = 0;
    if (!records.FindColorChange(p, position))
        records.SetColorChange(p, colorAtP);
    records.OffsetColorChanges(p, n);
}

void RemoveRun(GlobStore& records, int s, int p, RunRange range, HsvColor colorAtP)
{
    int position = 0;
    if (!records.FindColorChange(p, position))
        records.SetColorChange(p, colorAtP);
    records.RemoveColorChangesBetween(s, p);
    records.DeleteGlobRange(s, p);
    records.OffsetColorChanges(p, s - p);
    Sections& sections = records.CurrentSections();
    if (range == RunRange::EntireDrawing) {
        sections.DropUpTo(p);
        sections.base = 0;
    } else {
        sections.Drop(p);
    }
    sections.OffsetFrom(p, s - p);
}

int InsertRun(GlobStore& records, int p, const GlobRunStore& run, QPoint offset, RunColors colors,
              HsvColor colorAtP)
{
    const int n = run.GlobCount();
    if (n == 0)
        return 0;
    if (colors == RunColors::Preserve) {
        if (!records.InsertGlobs(p, run, offset, ColorMode::WithoutColor))
            return 0;
        KeepColorAfter(records, p, n, colorAtP);
        // The run's colours go in before the record that now opens the globs after it.
        records.InsertColorChanges(records.ColorChanges().Find(p + n), p, run);
        return n;
    }
    KeepColorAfter(records, p, n, colorAtP);
    const int firstShape = run.Globs().front().shape;
    if (firstShape < records.Shapes().Count())
        records.SetColorChange(p, records.Shapes().Shape(firstShape).Color());
    if (records.InsertGlobs(p, run, offset, ColorMode::WithColor))
        return n;
    records.RemoveColorChangesBetween(p, p + 1);
    records.OffsetColorChanges(p, -n);
    return 0;
}

} // namespace GlobRunRecords
