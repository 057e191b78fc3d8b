#include "view/Keyframes.h"

#include <algorithm>
#include <new>

#include "model/GlobStore.h"
#include "shapes/ShapeTable.h"
#include "view/ColorChangeCursor.h"

namespace {

// Shapes whose globs below `end` come before any record of their own, so that they are
// drawn in the shape's own colour.
std::vector<std::pair<int, HsvColor>> OwnColorShapes(const GlobStore& records, const ShapeTable& shapes, int end)
{
    const std::vector<CGlob>& globs = records.Globs();
    std::vector<char> recorded(size_t(shapes.Count()), 0), own(size_t(shapes.Count()), 0);
    ColorChangeCursor cursor(records.ColorChanges().Items(), 0);
    int next = cursor.NextAt(0);
    end = std::min(end, int(globs.size()));
    for (int i = 0; i < end; ++i) {
        const size_t shape = globs[size_t(i)].shape;
        if (shape >= recorded.size())
            continue;
        if (i == next) {
            recorded[shape] = 1;
            next = cursor.NextAt(i + 1);
        } else if (!recorded[shape]) {
            own[shape] = 1;
        }
    }
    std::vector<std::pair<int, HsvColor>> result;
    for (size_t shape = 0; shape < own.size(); ++shape) {
        if (own[shape])
            result.emplace_back(int(shape), shapes.Shape(int(shape)).Color());
    }
    return result;
}

} // namespace

int KeyframeStore::Slots(QSize size)
{
    const qsizetype frame = qsizetype(std::max(size.width(), 1)) * std::max(size.height(), 1) * 4;
    return int(std::min<qsizetype>(kBudgetBytes / frame, kMaxKeyframes));
}

void KeyframeStore::Validate(int changedFrom, const PaperKey& paper, const ShapeTable& shapes)
{
    if (!(paper == m_paper)) {
        m_frames.clear();
        m_paper = paper;
        return;
    }
    std::erase_if(m_frames, [&](const Keyframe& k) { return k.position > changedFrom || !Holds(k, shapes); });
}

bool KeyframeStore::Holds(const Keyframe& keyframe, const ShapeTable& shapes)
{
    return std::all_of(keyframe.ownColors.begin(), keyframe.ownColors.end(), [&](const auto& own) {
        return own.first < shapes.Count() && shapes.Shape(own.first).Color() == own.second;
    });
}

const KeyframeStore::Keyframe* KeyframeStore::Best(int after, int upTo) const
{
    for (auto k = m_frames.rbegin(); k != m_frames.rend(); ++k) {
        if (k->position <= upTo)
            return k->position > after ? &*k : nullptr;
    }
    return nullptr;
}

std::vector<int> KeyframeStore::Wanted(const GlobStore& records) const
{
    const int room = Slots(QSize(records.DrawingWidth(), records.DrawingHeight()));
    const int count = records.GlobCount();
    std::vector<int> wanted;
    if (room <= 0 || count <= m_minSpacing)
        return wanted;
    // Whole multiples of the least spacing, so that the grid moves only every so many globs
    // drawn; keyframes off the grid stay in use until their room is wanted.
    const int even = std::max(m_minSpacing, (count + room) / (room + 1));
    const int spacing = (even + m_minSpacing - 1) / m_minSpacing * m_minSpacing;
    for (int p = spacing; p <= count && int(wanted.size()) < room; p += spacing)
        wanted.push_back(p);
    const Sections& sections = records.CurrentSections();
    for (int i = sections.count - 1; i >= 0 && int(wanted.size()) < room; --i) {
        const int b = sections.boundaries[size_t(i)];
        const bool near = std::any_of(wanted.begin(), wanted.end(), [&](int w) { return std::abs(w - b) < m_minSpacing; });
        if (b >= m_minSpacing && b <= count && !near)
            wanted.push_back(b);
    }
    std::sort(wanted.begin(), wanted.end());
    return wanted;
}

bool KeyframeStore::Has(int position) const
{
    return std::any_of(m_frames.begin(), m_frames.end(), [&](const Keyframe& k) { return k.position == position; });
}

std::vector<int> KeyframeStore::Missing(int from, int to, const GlobStore& records) const
{
    std::vector<int> missing;
    for (int p : Wanted(records)) {
        if (p > from && p <= to && !Has(p))
            missing.push_back(p);
    }
    return missing;
}

void KeyframeStore::Capture(int position, const QImage& image, const ReplayColors& colors, const GlobStore& records,
                            const ShapeTable& shapes)
{
    const std::vector<int> wanted = Wanted(records);
    if (Has(position) || !std::binary_search(wanted.begin(), wanted.end(), position))
        return;
    // Room is made by dropping a keyframe that is no longer wanted (the grid moved on).
    if (int(m_frames.size()) >= Slots(QSize(records.DrawingWidth(), records.DrawingHeight()))) {
        auto unwanted = std::find_if(m_frames.begin(), m_frames.end(), [&](const Keyframe& k) {
            return !std::binary_search(wanted.begin(), wanted.end(), k.position);
        });
        if (unwanted == m_frames.end())
            return;
        m_frames.erase(unwanted);
    }
    // Without memory for it the replay goes on without the keyframe.
    try {
        Keyframe frame{position, image.copy(), colors, OwnColorShapes(records, shapes, position)};
        if (frame.image.isNull())
            return;
        const auto at = std::lower_bound(m_frames.begin(), m_frames.end(), position,
                                         [](const Keyframe& k, int p) { return k.position < p; });
        m_frames.insert(at, std::move(frame));
    } catch (const std::bad_alloc&) {
    }
}

qsizetype KeyframeStore::Bytes() const
{
    qsizetype bytes = 0;
    for (const Keyframe& k : m_frames)
        bytes += k.image.sizeInBytes();
    return bytes;
}
