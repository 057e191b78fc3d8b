#pragma once

#include <cstddef>
#include <vector>

#include "model/CColorChange.h"

// The colour changes of a drawing, in ascending glob-index order, with the look-ups the view
// makes by glob index. Records are held by value.
class ColorChangeList
{
public:
    int Count() const { return int(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    // Null when the position is outside the list.
    const CColorChange* At(int position) const;
    CColorChange& operator[](int position) { return m_items[std::size_t(position)]; }
    const CColorChange& operator[](int position) const { return m_items[std::size_t(position)]; }
    const std::vector<CColorChange>& Items() const { return m_items; }
    std::vector<CColorChange>& Items() { return m_items; }

    // Updates the record at globIndex or inserts a new one in order. May throw std::bad_alloc,
    // leaving the list as it was.
    void Set(int globIndex, HsvColor color);
    void Insert(int position, const CColorChange& change);
    void RemoveAt(int position) { m_items.erase(m_items.begin() + position); }
    void RemoveLast() { m_items.pop_back(); }
    void RemoveFrom(int globIndex);
    // Removes every record whose glob index lies in first..end-1.
    void RemoveBetween(int first, int end);
    void Clear() { m_items.clear(); }

    int Find(int globIndex) const; // list position, Count() when none
    HsvColor ColorAt(int globIndex) const; // all fields 0 when none
    void SetValueAt(int globIndex, int value);
    int NextColorChangeAfter(int globIndex) const;
    int LastColorChangeBefore(int globIndex) const;
    int ColorChangeInEffect(int globIndex) const;
    void ShiftColorChanges(int newStart, int oldStart);
    void OffsetColorChanges(int start, int amount);

private:
    int InsertPosition(int globIndex) const;

    std::vector<CColorChange> m_items;
};
