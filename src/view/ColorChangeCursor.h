#pragma once

#include <climits>
#include <cstddef>
#include <vector>

#include "model/CColorChange.h"

// Walks the colour-change list alongside a replay, so applying the changes of glob i costs
// O(1) amortised instead of a scan of the list per glob. Yields, for each glob index asked in
// ascending order, the records with exactly that index in list order — the same records a
// scan would find, even for a list that arrived out of order from a file.
class ColorChangeCursor
{
public:
    ColorChangeCursor(const std::vector<CColorChange>& changes, int firstGlob);

    // Calls apply(record) for every record whose glob index is exactly globIndex.
    template <typename Apply>
    void ApplyAt(int globIndex, Apply&& apply)
    {
        while (m_next < m_changes.size() && At(m_next).globIndex < globIndex)
            ++m_next;
        while (m_next < m_changes.size() && At(m_next).globIndex == globIndex)
            apply(At(m_next++));
    }

    // The glob index of the next record at or after globIndex; INT_MAX when there is none.
    int NextAt(int globIndex)
    {
        while (m_next < m_changes.size() && At(m_next).globIndex < globIndex)
            ++m_next;
        return m_next < m_changes.size() ? At(m_next).globIndex : INT_MAX;
    }

private:
    const CColorChange& At(std::size_t i) const { return m_changes[m_order.empty() ? i : m_order[i]]; }

    const std::vector<CColorChange>& m_changes;
    std::vector<std::size_t> m_order; // stable order by glob index, only when the list is unsorted
    std::size_t m_next = 0;
};
