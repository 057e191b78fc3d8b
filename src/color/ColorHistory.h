#pragma once

#include <array>
#include <optional>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "color/HsvColor.h"

// The last colours used, oldest first, with one selected entry. Entries live in a fixed
// array of 20; an empty history exists only before the first colour is added.
class ColorHistory
{
public:
    static constexpr int kCapacity = 20;
    static constexpr char kSignature[] = "Daubrix Color History"; // 21 characters on disk
    static constexpr int kSignatureLength = 21;
    static constexpr int kEntrySize = 4;

    int Count() const { return m_count; }
    int CurrentIndex() const { return m_index; }
    HsvColor Entry(int index) const { return m_entries[std::size_t(index)]; }
    HsvColor CurrentEntry() const { return Entry(m_index); }

    // Appends a colour unless it equals the newest entry; the oldest entry makes room when
    // full. True when something was added.
    bool Add(const HsvColor& color);

    // Both need two entries or more and return false (history untouched) otherwise.
    bool DeleteCurrent();
    bool ClearTo(const HsvColor& only);

    bool StepPrevious();
    bool StepNext();
    bool Select(int index); // false when index is not an entry

    // The .dch file: signature, count, entries. The current index is not stored.
    QByteArray Serialize() const;
    // Refuses a wrong signature, a count outside 1..20, a short file or a hue outside
    // 0..360. A loaded history selects its newest entry.
    static std::optional<ColorHistory> Parse(QByteArrayView bytes);

private:
    std::array<HsvColor, kCapacity> m_entries{};
    int m_count = 0;
    int m_index = 0;
};
