#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/ArchiveClass.h"
#include "model/CColorChange.h"
#include "model/CGlob.h"

class ByteReader;

// Why an archive could not be read; every one of them means "not a drawing we can open".
enum class ArchiveError { None, EndOfData, BadSchema, UnknownClass, BadReference, WrongClass, TooManyObjects };

// Reads record lists written by ObjectArchiveWriter, counting classes and objects exactly as
// the writer did. Nothing is allocated by a count the remaining bytes cannot hold.
class ObjectArchiveReader
{
public:
    // shapeCount: shapes loaded now; stored shape indices at or beyond it read as shape 0.
    ObjectArchiveReader(ByteReader& in, int shapeCount) : m_in(in), m_shapeCount(shapeCount) {}

    // On failure the list is left empty and Error() says why.
    bool ReadGlobs(std::vector<CGlob>& globs);
    bool ReadColorChanges(std::vector<CColorChange>& changes);

    ArchiveError Error() const { return m_error; }

private:
    struct ClassEntry
    {
        std::uint32_t number = 0; // 0: not declared in this archive
        std::uint16_t schema = 0;
    };

    bool ReadCount(std::uint32_t& count);
    bool ReadObjectTag(ArchiveClass expected, int& schema);
    bool ReadClassNumber(std::uint16_t tag, std::uint32_t& number);
    bool ReadNewClass(std::uint32_t& number);
    bool FindClass(std::uint32_t number, ArchiveClass& kind) const;
    bool TakeNumber(std::uint32_t& number);
    bool Fail(ArchiveError error);

    ByteReader& m_in;
    int m_shapeCount;
    std::uint32_t m_nextNumber = 1;
    std::array<ClassEntry, kArchiveClassCount> m_classes{};
    ArchiveError m_error = ArchiveError::None;
};
