#pragma once

#include <vector>

#include "color/HsvColor.h"
#include "shapes/CShape.h"

class ShapeTable;

// The colour each shape is stamped in while a drawing is replayed. A colour-change record
// sets a shape's colour from its glob on; a shape no record has reached yet is stamped in
// its own colour. The replay paints stamps of its own, so the shapes the program shows and
// draws with are never changed by painting.
class ReplayColors
{
public:
    explicit ReplayColors(const ShapeTable& shapes) : m_shapes(shapes) {}

    // Every shape back to its own colour, as at the start of the drawing.
    void Reset();
    // A record recolours `shape` for the globs that follow.
    void Set(int shape, const HsvColor& color);
    // The pixels to stamp a glob of `shape` with; null for a shape outside the table.
    const ShapeStamp* Stamp(int shape);

private:
    struct Entry
    {
        bool fromRecord = false; // otherwise the shape's own colour is followed
        HsvColor color;          // the colour asked for (a record's)
        bool painted = false;
        HsvColor paintedColor;   // the colour `stamp` shows
        ShapeStamp stamp;
    };

    Entry* EntryOf(int shape);

    const ShapeTable& m_shapes;
    std::vector<Entry> m_entries;
};
