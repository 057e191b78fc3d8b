#include "model/ObjectArchiveWriter.h"

#include <cstring>

#include "model/ByteWriter.h"

namespace {
constexpr qsizetype kGlobEntryBytes = 2 + 5;
constexpr qsizetype kColorChangeEntryBytes = 2 + 8;
} // namespace

bool ObjectArchiveWriter::WriteGlobs(const std::vector<CGlob>& globs)
{
    if (!Fits(globs.size()))
        return false;
    m_out.Reserve(m_out.Size() + 32 + qsizetype(globs.size()) * kGlobEntryBytes);
    WriteCount(globs.size());
    for (const CGlob& glob : globs) {
        WriteObjectTag(ArchiveClass::Glob);
        glob.Store(m_out);
    }
    return true;
}

bool ObjectArchiveWriter::WriteColorChanges(const std::vector<CColorChange>& changes)
{
    if (!Fits(changes.size()))
        return false;
    m_out.Reserve(m_out.Size() + 40 + qsizetype(changes.size()) * kColorChangeEntryBytes);
    WriteCount(changes.size());
    for (const CColorChange& change : changes) {
        WriteObjectTag(ArchiveClass::ColorChange);
        change.Store(m_out);
    }
    return true;
}

bool ObjectArchiveWriter::Fits(std::size_t count) const
{
    // One number for a possible new class and one per object.
    return count < ArchiveTag::kMaxNumber && m_nextNumber + count + 1 < ArchiveTag::kMaxNumber;
}

void ObjectArchiveWriter::WriteCount(std::size_t count)
{
    if (count < ArchiveTag::kLongCount) {
        m_out.WriteU16(std::uint16_t(count));
        return;
    }
    m_out.WriteU16(ArchiveTag::kLongCount);
    m_out.WriteU32(std::uint32_t(count));
}

void ObjectArchiveWriter::WriteObjectTag(ArchiveClass kind)
{
    const std::uint32_t classNumber = m_classNumber[size_t(kind)];
    if (classNumber == 0)
        WriteNewClass(kind);
    else
        WriteClassReference(classNumber);
    ++m_nextNumber;
}

void ObjectArchiveWriter::WriteNewClass(ArchiveClass kind)
{
    const char* name = ArchiveClassName(kind);
    const auto length = std::uint16_t(std::strlen(name));
    m_out.WriteU16(ArchiveTag::kNewClass);
    m_out.WriteU16(kind == ArchiveClass::Glob ? CGlob::kSchema : CColorChange::kSchema);
    m_out.WriteU16(length);
    m_out.WriteBytes(name, length);
    m_classNumber[size_t(kind)] = m_nextNumber++;
}

void ObjectArchiveWriter::WriteClassReference(std::uint32_t number)
{
    if (number < ArchiveTag::kLongReference) {
        m_out.WriteU16(std::uint16_t(ArchiveTag::kClassReference | number));
        return;
    }
    m_out.WriteU16(ArchiveTag::kLongReference);
    m_out.WriteU32(ArchiveTag::kLongClassFlag | number);
}
