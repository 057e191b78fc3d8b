#include "view/ColorChangeCursor.h"

#include <algorithm>
#include <numeric>

ColorChangeCursor::ColorChangeCursor(const std::vector<CColorChange>& changes, int firstGlob)
    : m_changes(changes)
{
    const auto byIndex = [](const CColorChange& a, const CColorChange& b) { return a.globIndex < b.globIndex; };
    if (std::is_sorted(changes.begin(), changes.end(), byIndex)) {
        const auto first = std::lower_bound(changes.begin(), changes.end(), CColorChange(firstGlob, 0, 0, 0), byIndex);
        m_next = std::size_t(first - changes.begin());
        return;
    }
    m_order.resize(changes.size());
    std::iota(m_order.begin(), m_order.end(), std::size_t(0));
    std::stable_sort(m_order.begin(), m_order.end(),
                     [&](std::size_t a, std::size_t b) { return changes[a].globIndex < changes[b].globIndex; });
    // m_next starts at 0; ApplyAt skips forward to the first glob asked for.
}
