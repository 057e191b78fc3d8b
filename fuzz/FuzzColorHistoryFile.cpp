#include <cstddef>
#include <cstdint>

#include <QByteArrayView>

#include "color/ColorHistory.h"

// Any bytes as a colour-history file: refused or loaded, never more than 20 entries.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto history = ColorHistory::Parse(QByteArrayView(data, qsizetype(size)));
    if (history && (history->Count() < 1 || history->Count() > ColorHistory::kCapacity ||
                    ColorHistory::Parse(history->Serialize())->Count() != history->Count()))
        __builtin_trap();
    return 0;
}
