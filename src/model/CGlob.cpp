#include "model/CGlob.h"

#include "model/ByteReader.h"
#include "model/ByteWriter.h"
#include "shapes/ShapeTable.h"

QRect CGlob::Draw(QImage& target, const ShapeTable& shapes) const
{
    if (shape >= shapes.Count())
        return {};
    return shapes.Shape(shape).Draw(target, x, y);
}

void CGlob::Store(ByteWriter& out) const
{
    out.WriteI16(x);
    out.WriteI16(y);
    out.WriteU8(shape);
}

bool CGlob::Load(ByteReader& in, int schema, int shapeCount)
{
    if (schema != 1 && schema != 2)
        return false;
    std::uint8_t storedShape = 0;
    const bool read = in.ReadI16(x) && in.ReadI16(y) && (schema == 1 || in.ReadU8(storedShape));
    shape = storedShape < shapeCount ? storedShape : 0;
    return read;
}
