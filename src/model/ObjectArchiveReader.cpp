#include "model/ObjectArchiveReader.h"

#include <cstring>

#include "model/ByteReader.h"

namespace {
constexpr qsizetype kMinEntryBytes = 2; // a tag; a schema-1 colour change holds nothing more
constexpr std::uint16_t kMaxNameLength = 64;
} // namespace

bool ObjectArchiveReader::ReadGlobs(std::vector<CGlob>& globs)
{
    globs.clear();
    std::uint32_t count = 0;
    if (!ReadCount(count))
        return false;
    globs.resize(count);
    int schema = 0;
    for (CGlob& glob : globs) {
        if (!ReadObjectTag(ArchiveClass::Glob, schema))
            break;
        if (!glob.Load(m_in, schema, m_shapeCount)) {
            Fail(m_in.Failed() ? ArchiveError::EndOfData : ArchiveError::BadSchema);
            break;
        }
    }
    if (m_error != ArchiveError::None)
        globs.clear();
    return m_error == ArchiveError::None;
}

bool ObjectArchiveReader::ReadColorChanges(std::vector<CColorChange>& changes)
{
    changes.clear();
    std::uint32_t count = 0;
    if (!ReadCount(count))
        return false;
    changes.resize(count);
    int schema = 0;
    for (CColorChange& change : changes) {
        if (!ReadObjectTag(ArchiveClass::ColorChange, schema))
            break;
        if (!change.Load(m_in, schema)) {
            Fail(m_in.Failed() ? ArchiveError::EndOfData : ArchiveError::BadSchema);
            break;
        }
    }
    if (m_error != ArchiveError::None)
        changes.clear();
    return m_error == ArchiveError::None;
}

bool ObjectArchiveReader::ReadCount(std::uint32_t& count)
{
    std::uint16_t shortCount = 0;
    if (!m_in.ReadU16(shortCount))
        return Fail(ArchiveError::EndOfData);
    count = shortCount;
    if (shortCount == ArchiveTag::kLongCount && !m_in.ReadU32(count))
        return Fail(ArchiveError::EndOfData);
    if (qsizetype(count) > m_in.Remaining() / kMinEntryBytes)
        return Fail(ArchiveError::EndOfData);
    return true;
}

bool ObjectArchiveReader::ReadObjectTag(ArchiveClass expected, int& schema)
{
    std::uint16_t tag = 0;
    if (!m_in.ReadU16(tag))
        return Fail(ArchiveError::EndOfData);
    std::uint32_t classNumber = 0;
    if (tag == ArchiveTag::kNewClass) {
        if (!ReadNewClass(classNumber))
            return false;
    } else if (!ReadClassNumber(tag, classNumber)) {
        return false;
    }
    ArchiveClass kind{};
    if (!FindClass(classNumber, kind))
        return Fail(ArchiveError::BadReference);
    if (kind != expected)
        return Fail(ArchiveError::WrongClass);
    schema = m_classes[size_t(kind)].schema;
    std::uint32_t objectNumber = 0;
    return TakeNumber(objectNumber);
}

// Records are never shared, so a null entry or a reference back to an object is refused.
bool ObjectArchiveReader::ReadClassNumber(std::uint16_t tag, std::uint32_t& number)
{
    if (tag == ArchiveTag::kLongReference) {
        std::uint32_t longTag = 0;
        if (!m_in.ReadU32(longTag))
            return Fail(ArchiveError::EndOfData);
        if (!(longTag & ArchiveTag::kLongClassFlag))
            return Fail(ArchiveError::BadReference);
        number = longTag & ~ArchiveTag::kLongClassFlag;
        return true;
    }
    if (!(tag & ArchiveTag::kClassReference))
        return Fail(ArchiveError::BadReference);
    number = tag & ~ArchiveTag::kClassReference;
    return true;
}

bool ObjectArchiveReader::ReadNewClass(std::uint32_t& number)
{
    std::uint16_t schema = 0;
    std::uint16_t length = 0;
    if (!m_in.ReadU16(schema) || !m_in.ReadU16(length))
        return Fail(ArchiveError::EndOfData);
    if (length > kMaxNameLength)
        return Fail(ArchiveError::UnknownClass);
    QByteArray name;
    if (!m_in.ReadBytes(length, name))
        return Fail(ArchiveError::EndOfData);
    for (int k = 0; k < kArchiveClassCount; ++k) {
        ClassEntry& entry = m_classes[size_t(k)];
        if (name != ArchiveClassName(ArchiveClass(k)))
            continue;
        // Our writer names each class once; a second declaration is not a drawing of ours.
        if (entry.number != 0)
            return Fail(ArchiveError::BadReference);
        if (!TakeNumber(number))
            return false;
        entry = {number, schema};
        return true;
    }
    return Fail(ArchiveError::UnknownClass);
}

bool ObjectArchiveReader::FindClass(std::uint32_t number, ArchiveClass& kind) const
{
    for (int k = 0; k < kArchiveClassCount; ++k) {
        if (m_classes[size_t(k)].number == number && number != 0) {
            kind = ArchiveClass(k);
            return true;
        }
    }
    return false;
}

bool ObjectArchiveReader::TakeNumber(std::uint32_t& number)
{
    if (m_nextNumber >= ArchiveTag::kMaxNumber)
        return Fail(ArchiveError::TooManyObjects);
    number = m_nextNumber++;
    return true;
}

bool ObjectArchiveReader::Fail(ArchiveError error)
{
    if (m_error == ArchiveError::None)
        m_error = error;
    return false;
}
