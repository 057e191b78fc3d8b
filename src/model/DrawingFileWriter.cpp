#include "model/DrawingFileWriter.h"

#include <algorithm>
#include <cstring>

#include "model/ByteWriter.h"
#include "model/DrawingFileFormat.h"
#include "model/GlobStore.h"
#include "model/ObjectArchiveWriter.h"

bool DrawingFileWriter::Write(const DrawingFileSource& source, QByteArray& out)
{
    const GlobStore& records = source.records;
    const QByteArray& jpeg = source.jpeg;
    ByteWriter bytes;
    const char* const signature = DrawingFileFormat::kSignature;
    const auto signatureLength = qsizetype(std::strlen(signature));
    bytes.WriteU8(std::uint8_t(signatureLength));
    bytes.WriteBytes(signature, signatureLength);
    bytes.WriteI32(records.DrawingWidth());
    bytes.WriteI32(records.DrawingHeight());
    const Sections& sections = records.CurrentSections();
    const int sectionCount = std::clamp(sections.count, 0, int(Sections::kMaxBoundaries));
    bytes.WriteI32(sectionCount);
    bytes.WriteI32(sections.base);
    for (int i = 0; i < sectionCount; ++i)
        bytes.WriteI32(sections.boundaries[size_t(i)]);
    bytes.WriteU32(source.backgroundColor);
    bytes.WriteI32(source.printSize);
    ObjectArchiveWriter archive(bytes);
    if (!archive.WriteGlobs(records.Globs()) || !archive.WriteColorChanges(records.ColorChanges().Items()))
        return false;
    bytes.WriteI32(jpeg.isEmpty() ? 0 : 1);
    if (!jpeg.isEmpty()) {
        bytes.WriteU32(std::uint32_t(jpeg.size()));
        bytes.WriteBytes(jpeg.constData(), jpeg.size());
    }
    out = bytes.Take();
    return true;
}
