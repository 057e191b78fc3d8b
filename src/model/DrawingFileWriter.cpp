#include "model/DrawingFileWriter.h"

#include <algorithm>
#include <cstring>

#include "model/ByteWriter.h"
#include "model/CDaubrixDoc.h"
#include "model/ObjectArchiveWriter.h"

bool DrawingFileWriter::Write(const CDaubrixDoc& doc, const QByteArray& jpeg, QByteArray& out)
{
    ByteWriter bytes;
    const auto signatureLength = qsizetype(std::strlen(kSignature));
    bytes.WriteU8(std::uint8_t(signatureLength));
    bytes.WriteBytes(kSignature, signatureLength);
    bytes.WriteI32(doc.Records().DrawingWidth());
    bytes.WriteI32(doc.Records().DrawingHeight());
    const Sections& sections = doc.Records().CurrentSections();
    const int sectionCount = std::clamp(sections.count, 0, int(Sections::kMaxBoundaries));
    bytes.WriteI32(sectionCount);
    bytes.WriteI32(sections.base);
    for (int i = 0; i < sectionCount; ++i)
        bytes.WriteI32(sections.boundaries[size_t(i)]);
    bytes.WriteU32(doc.BackgroundColor());
    bytes.WriteI32(doc.PrintSize());
    ObjectArchiveWriter archive(bytes);
    if (!archive.WriteGlobs(doc.Records().Globs()) || !archive.WriteColorChanges(doc.Records().ColorChanges().Items()))
        return false;
    bytes.WriteI32(jpeg.isEmpty() ? 0 : 1);
    if (!jpeg.isEmpty()) {
        bytes.WriteU32(std::uint32_t(jpeg.size()));
        bytes.WriteBytes(jpeg.constData(), jpeg.size());
    }
    out = bytes.Take();
    return true;
}
