#include "model/Sections.h"

int Sections::SectionStart(int a) const
{
    for (int i = 0; i < count && i < kMaxBoundaries; ++i) {
        if (boundaries[std::size_t(i)] >= a)
            return i == 0 ? base : boundaries[std::size_t(i - 1)];
    }
    return 0;
}

bool Sections::IsSectionBoundary(int globIndex) const
{
    for (int i = 0; i < count && i < kMaxBoundaries; ++i) {
        if (boundaries[std::size_t(i)] == globIndex)
            return true;
    }
    return false;
}

void Sections::OffsetFrom(int start, int amount)
{
    for (int i = 0; i < count && i < kMaxBoundaries; ++i) {
        if (boundaries[std::size_t(i)] >= start)
            boundaries[std::size_t(i)] += amount;
    }
}

void Sections::DropUpTo(int n)
{
    int kept = 0;
    for (int i = 0; i < count && i < kMaxBoundaries; ++i) {
        if (boundaries[std::size_t(i)] > n)
            boundaries[std::size_t(kept++)] = boundaries[std::size_t(i)];
    }
    count = kept;
}

void Sections::Drop(int n)
{
    int kept = 0;
    for (int i = 0; i < count && i < kMaxBoundaries; ++i) {
        if (boundaries[std::size_t(i)] != n)
            boundaries[std::size_t(kept++)] = boundaries[std::size_t(i)];
    }
    count = kept;
}
