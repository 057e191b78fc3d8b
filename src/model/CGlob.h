#pragma once

#include <cstdint>

#include <QRect>

class ByteReader;
class ByteWriter;
class QImage;
class ShapeTable;

// One stamp of a shape at a point of the drawing. It carries no colour: it is drawn in its
// shape's colour of the moment. Held by value in lists, so it stays small (6 bytes).
struct CGlob
{
    static constexpr int kSchema = 2;

    CGlob() = default;
    CGlob(int x_, int y_, int shape_)
        : shape(std::uint8_t(shape_)), y(std::int16_t(y_)), x(std::int16_t(x_))
    {
    }

    // Stamps the glob's shape centred on (x, y); returns the rectangle covered. Positions are
    // signed, so a glob in the margin left of or above the drawing shows its inner part.
    QRect Draw(QImage& target, const ShapeTable& shapes) const;

    // Stored form: x, y, shape (5 bytes).
    void Store(ByteWriter& out) const;
    // Reads the stored form of the given schema; a shape beyond shapeCount becomes shape 0.
    // False when the schema is unknown or the bytes run out.
    bool Load(ByteReader& in, int schema, int shapeCount);

    friend bool operator==(const CGlob&, const CGlob&) = default;

    std::uint8_t shape = 0;
    std::int16_t y = 0;
    std::int16_t x = 0;
};
