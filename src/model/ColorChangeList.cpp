#include "model/ColorChangeList.h"

#include <algorithm>
#include <cstdint>

namespace {
bool AtOrAbove(std::int32_t index, int globIndex)
{
    // Unsigned, so a stray negative index sorts after every real one.
    return std::uint32_t(index) >= std::uint32_t(globIndex);
}
} // namespace

const CColorChange* ColorChangeList::At(int position) const
{
    if (position < 0 || position >= Count())
        return nullptr;
    return &m_items[size_t(position)];
}

void ColorChangeList::Set(int globIndex, HsvColor color)
{
    // In glob-index order a record at globIndex can only lie among the last records at or
    // above it, so the search ends at the first one below: a record at the end of a long
    // drawing costs no walk through the whole list.
    int i = Count() - 1;
    for (; i >= 0 && AtOrAbove(m_items[size_t(i)].globIndex, globIndex); --i) {
        if (m_items[size_t(i)].globIndex == globIndex) {
            m_items[size_t(i)].SetColor(color);
            return;
        }
    }
    Insert(InsertPosition(globIndex), CColorChange(globIndex, color));
}

// After the last record below globIndex. When every record is at or above it, the new one
// goes first, so the list stays in order even after the record at 0 was removed.
int ColorChangeList::InsertPosition(int globIndex) const
{
    if (globIndex == 0)
        return 0;
    for (int i = Count() - 1; i >= 0; --i) {
        if (!AtOrAbove(m_items[size_t(i)].globIndex, globIndex))
            return i + 1;
    }
    return 0;
}

void ColorChangeList::Insert(int position, const CColorChange& change)
{
    position = std::clamp(position, 0, Count());
    m_items.insert(m_items.begin() + position, change);
}

void ColorChangeList::RemoveFrom(int globIndex)
{
    std::erase_if(m_items, [globIndex](const CColorChange& c) { return c.globIndex >= globIndex; });
}

int ColorChangeList::Find(int globIndex) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [globIndex](const CColorChange& c) { return c.globIndex == globIndex; });
    return int(found - m_items.begin());
}

HsvColor ColorChangeList::ColorAt(int globIndex) const
{
    const CColorChange* change = At(Find(globIndex));
    return change ? change->Color() : HsvColor{0, 0, 0};
}

void ColorChangeList::SetValueAt(int globIndex, int value)
{
    const int position = Find(globIndex);
    if (position < Count())
        m_items[size_t(position)].value = std::uint8_t(value);
}

int ColorChangeList::NextColorChangeAfter(int globIndex) const
{
    for (const CColorChange& c : m_items) {
        if (c.globIndex > globIndex)
            return c.globIndex;
    }
    return -1;
}

int ColorChangeList::LastColorChangeBefore(int globIndex) const
{
    if (globIndex == 0)
        return 0;
    for (int i = Count() - 1; i >= 0; --i) {
        if (m_items[size_t(i)].globIndex < globIndex)
            return i;
    }
    return Count() - 1;
}

int ColorChangeList::ColorChangeInEffect(int globIndex) const
{
    if (m_items.empty())
        return 0;
    for (int i = 1; i < Count(); ++i) {
        if (m_items[size_t(i)].globIndex >= globIndex)
            return m_items[size_t(i - 1)].globIndex;
    }
    return m_items.back().globIndex;
}

void ColorChangeList::ShiftColorChanges(int newStart, int oldStart)
{
    for (CColorChange& c : m_items) {
        if (c.globIndex >= oldStart)
            c.globIndex = newStart + (c.globIndex - oldStart);
    }
}

void ColorChangeList::OffsetColorChanges(int start, int amount)
{
    for (CColorChange& c : m_items) {
        if (c.globIndex >= start)
            c.globIndex += amount;
    }
}

void ColorChangeList::RemoveBetween(int first, int end)
{
    std::erase_if(m_items, [first, end](const CColorChange& c) { return c.globIndex >= first && c.globIndex < end; });
}
