// The record-list reader on arbitrary bytes: a glob list, then a colour-change list.
#include <cstddef>
#include <cstdint>

#include "model/ByteReader.h"
#include "model/ObjectArchiveReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader in(reinterpret_cast<const char*>(data), qsizetype(size));
    ObjectArchiveReader reader(in, 12);
    std::vector<CGlob> globs;
    std::vector<CColorChange> changes;
    if (reader.ReadGlobs(globs) && reader.ReadColorChanges(changes)) {
        for (const CGlob& g : globs) {
            if (g.shape >= 12)
                __builtin_trap();
        }
    }
    return 0;
}
