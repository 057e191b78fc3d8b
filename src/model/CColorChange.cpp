#include "model/CColorChange.h"

#include "model/ByteReader.h"
#include "model/ByteWriter.h"

void CColorChange::Store(ByteWriter& out) const
{
    out.WriteI32(globIndex);
    out.WriteI16(hue);
    out.WriteU8(saturation);
    out.WriteU8(value);
}

bool CColorChange::Load(ByteReader& in, int schema)
{
    if (schema == 1) {
        *this = CColorChange();
        return true;
    }
    if (schema != 2)
        return false;
    return in.ReadI32(globIndex) && in.ReadI16(hue) && in.ReadU8(saturation) && in.ReadU8(value);
}
