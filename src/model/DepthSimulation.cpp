#include "model/DepthSimulation.h"

#include <algorithm>
#include <vector>

#include "model/GlobStore.h"

namespace {

// Deep globs blue, near globs red; index 24 is the deepest.
constexpr std::array<HsvColor, 25> kChromaDepth = {{
    {0, 255, 255},   {3, 255, 255},   {7, 255, 255},   {11, 255, 255},  {15, 255, 255},
    {19, 255, 255},  {24, 255, 253},  {29, 255, 249},  {35, 255, 243},  {43, 255, 233},
    {52, 255, 221},  {64, 255, 220},  {75, 255, 248},  {82, 218, 228},  {95, 159, 195},
    {139, 125, 164}, {182, 193, 141}, {200, 255, 169}, {212, 255, 193}, {221, 255, 214},
    {227, 255, 230}, {231, 255, 243}, {234, 255, 251}, {237, 255, 255}, {239, 255, 255},
}};

using Records = std::vector<CColorChange>;

// List position of the first record above globIndex (the list is in glob order).
std::size_t FirstAfter(const Records& records, int globIndex)
{
    return std::size_t(std::upper_bound(records.begin(), records.end(), globIndex,
                                        [](int g, const CColorChange& c) { return g < c.globIndex; })
                       - records.begin());
}

const CColorChange* RecordAt(const Records& records, int globIndex)
{
    const auto found = std::lower_bound(records.begin(), records.end(), globIndex,
                                        [](const CColorChange& c, int g) { return c.globIndex < g; });
    return found != records.end() && found->globIndex == globIndex ? &*found : nullptr;
}

std::uint8_t ByteValue(int v) { return std::uint8_t(std::clamp(v, 0, 255)); }

// The bands the range is cut into: n bands of `stride` globs, `inc` value steps apart.
struct Bands
{
    int count;
    int stride;
    int inc;
};

Bands CutIntoBands(const DepthSettings& s, int total)
{
    Bands b{s.top - s.bottom, 0, 10};
    b.stride = total / b.count;
    if (total < b.count) {
        b.stride = 1;
        b.inc = 10 * (s.top - s.bottom) / total;
        b.count = total;
    }
    return b;
}

// The colour the globs after the range had: the record at `position`, else the next one.
const CColorChange* EndRecord(const Records& records, int position)
{
    if (const CColorChange* at = RecordAt(records, position))
        return at;
    const std::size_t next = FirstAfter(records, position);
    return next < records.size() ? &records[next] : nullptr;
}

HsvColor LightStartColor(const Records& records, int start, HsvColor currentColor)
{
    if (const CColorChange* at = RecordAt(records, start))
        return at->Color();
    const std::size_t after = FirstAfter(records, start);
    if (start > 0 && after > 0)
        return records[after - 1].Color();
    return currentColor;
}

// Brightness rises band by band; each record keeps its hue and saturation.
void ApplyLight(GlobStore& store, const DepthSettings& s, const Bands& b, int start, int end,
                HsvColor currentColor)
{
    HsvColor colour = LightStartColor(store.ColorChanges().Items(), start, currentColor);
    store.MergeEqualColorChanges(start, end);
    int v = s.bottom * 10;
    int position = 0;
    if (start > 0) {
        store.SetColorChange(start, colour.hue, colour.saturation, v);
        position = start + b.stride;
        v += b.inc;
    } else if (store.ColorChangeCount() > 0) {
        store.SetValueAt(0, v);
        position = b.stride;
        v += b.inc;
    }
    for (int band = 0; band < b.count; ++band) {
        Records& records = store.EditColorChanges();
        for (std::size_t i = FirstAfter(records, position - b.stride);
             i < records.size() && records[i].globIndex <= position; ++i) {
            records[i].value = ByteValue(v - b.inc);
            colour.hue = records[i].hue;
            colour.saturation = records[i].saturation;
        }
        store.SetColorChange(position, colour.hue, colour.saturation, v);
        position += b.stride;
        v += b.inc;
    }
    Records& records = store.EditColorChanges();
    const std::size_t last = FirstAfter(records, position - b.stride);
    if (last < records.size() && records[last].globIndex < end)
        records[last].value = ByteValue(v - b.inc);
}

// The depth table walked from blue to red; a record that only switches shape takes the
// colour before it, so every shape in a band shows the band's colour.
void ApplyChromaDepth(GlobStore& store, const DepthSettings& s, const Bands& b, int start, int end)
{
    const int step = std::max(b.inc / 10, 1);
    store.RemoveColorChangesInRange(start, end, RemoveMode::SameShapeOnly);
    int index = 24 - s.bottom;
    int position = start;
    for (int band = 0; band < b.count; ++band) {
        store.SetColorChange(position, kChromaDepth[std::size_t(std::clamp(index, 0, 24))]);
        position += b.stride;
        index -= step;
    }
    store.CarryColorsAcrossShapes(start, end);
}

} // namespace

const std::array<HsvColor, 25>& ChromaDepthColors() { return kChromaDepth; }

bool ApplyDepth(GlobStore& store, const DepthSettings& settings, int start, int position,
                HsvColor currentColor)
{
    const int total = position - start;
    if (total <= 0 || settings.top <= settings.bottom)
        return false;
    const Bands bands = CutIntoBands(settings, total);
    const CColorChange* endRecord = EndRecord(store.ColorChanges().Items(), position);
    const HsvColor endColor = endRecord ? endRecord->Color() : currentColor;
    if (settings.light)
        ApplyLight(store, settings, bands, start, position, currentColor);
    else
        ApplyChromaDepth(store, settings, bands, start, position);
    // The globs after the range go on in the colour they had.
    store.SetColorChange(position, endColor);
    store.MarkShapesUsed(start, position + 1);
    return true;
}
