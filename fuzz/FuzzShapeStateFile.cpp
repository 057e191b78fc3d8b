#include <cstddef>
#include <cstdint>

#include <QByteArrayView>

#include "shapes/ShapeState.h"

// Any bytes as a shape-state file, read for a table of 0 to 36 shapes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int loaded = data[0] % 37;
    const auto state = ShapeState::Parse(QByteArrayView(data + 1, qsizetype(size - 1)), loaded);
    if (state && (int(state->records.size()) > loaded ||
                  (loaded > 0 && state->currentIndex >= loaded)))
        __builtin_trap();
    return 0;
}
