#include "model/DrawingFileReader.h"

#include <new>

#include "model/ByteReader.h"
#include "model/DrawingFileFormat.h"
#include "model/ObjectArchiveReader.h"

bool DrawingFileReader::Read(const QByteArray& bytes, DrawingContents& out) const
{
    ByteReader in(bytes);
    return ReadSignature(in) && ReadHeader(in, out) && ReadRecords(in, out) && ReadBackground(in, out);
}

bool DrawingFileReader::ReadSignature(ByteReader& in)
{
    const QByteArray signature = DrawingFileFormat::kSignature;
    std::uint8_t length = 0;
    QByteArray text;
    return in.ReadU8(length) && length == signature.size() && in.ReadBytes(length, text) && text == signature;
}

bool DrawingFileReader::ReadHeader(ByteReader& in, DrawingContents& out)
{
    std::int32_t width = 0, height = 0, printSize = 0;
    std::uint32_t color = 0;
    if (!in.ReadI32(width) || !in.ReadI32(height) || !ReadSections(in, out.sections) || !in.ReadU32(color)
        || !in.ReadI32(printSize))
        return false;
    if (width < kMinSize || width > kMaxSize || height < kMinSize || height > kMaxSize)
        return false;
    out.width = width;
    out.height = height;
    out.backgroundColor = color;
    // Printing divides by it; a drawing with a nonsense value prints at the usual size.
    out.printSize = printSize > 0 ? printSize : kDefaultPrintSize;
    return true;
}

bool DrawingFileReader::ReadSections(ByteReader& in, Sections& sections)
{
    std::int32_t count = 0;
    std::int32_t base = 0;
    if (!in.ReadI32(count) || !in.ReadI32(base) || count < 0 || count > Sections::kMaxBoundaries)
        return false;
    sections.count = count;
    sections.base = base;
    for (int i = 0; i < count; ++i) {
        if (!in.ReadI32(sections.boundaries[size_t(i)]))
            return false;
    }
    return true;
}

bool DrawingFileReader::ReadRecords(ByteReader& in, DrawingContents& out) const
{
    ObjectArchiveReader archive(in, m_shapeCount);
    return archive.ReadGlobs(out.globs) && archive.ReadColorChanges(out.changes);
}

bool DrawingFileReader::ReadBackground(ByteReader& in, DrawingContents& out) const
{
    if (m_background == BackgroundReading::Unread)
        return true;
    std::int32_t flag = 0;
    if (!in.ReadI32(flag))
        return false;
    if (flag == 0)
        return true;
    std::uint32_t length = 0;
    if (!in.ReadU32(length) || !in.Has(qsizetype(length)))
        return false;
    if (m_background == BackgroundReading::Skip)
        return in.Skip(qsizetype(length));
    try {
        out.hasBackground = in.ReadBytes(qsizetype(length), out.backgroundJpeg);
        return out.hasBackground;
    } catch (const std::bad_alloc&) {
        out.backgroundDropped = true;
        return true;
    }
}
