#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/ArchiveClass.h"
#include "model/CColorChange.h"
#include "model/CGlob.h"

class ByteWriter;

// Writes record lists as a tagged object stream: each class once by name, then referred to
// by its number; classes and objects share one running count that starts at 1.
class ObjectArchiveWriter
{
public:
    explicit ObjectArchiveWriter(ByteWriter& out) : m_out(out) {}

    // False when the list would take the running count past its limit; nothing is written then.
    bool WriteGlobs(const std::vector<CGlob>& globs);
    bool WriteColorChanges(const std::vector<CColorChange>& changes);

private:
    bool Fits(std::size_t count) const;
    void WriteCount(std::size_t count);
    void WriteObjectTag(ArchiveClass kind);
    void WriteNewClass(ArchiveClass kind);
    void WriteClassReference(std::uint32_t number);

    ByteWriter& m_out;
    std::uint32_t m_nextNumber = 1;
    std::array<std::uint32_t, kArchiveClassCount> m_classNumber{}; // 0: not written yet
};
