#pragma once

#include <array>
#include <cstddef>

// Glob indices that end the sections (strokes) of a drawing, ascending, with the base where
// the first kept section begins. Only the first count boundaries are in use.
struct Sections
{
    static constexpr int kMaxBoundaries = 10;

    // Start of the section that holds glob index a: the boundary before the first boundary
    // at or above a (the base when that is the first one); 0 when no boundary reaches a.
    int SectionStart(int a) const;
    bool IsSectionBoundary(int globIndex) const;

    // Globs were taken out or put in: boundaries at or after start move by amount.
    void OffsetFrom(int start, int amount);
    // Drops the boundaries at or below n, or just the one equal to n.
    void DropUpTo(int n);
    void Drop(int n);

    int base = 0;
    int count = 0;
    std::array<int, kMaxBoundaries> boundaries{};
};
