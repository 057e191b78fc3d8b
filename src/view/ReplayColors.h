#pragma once

#include <vector>

#include "color/HsvColor.h"
#include "shapes/CShape.h"

class ShapeTable;

// Stamps the globs of one shape in the colour a replay has reached for it. The colour is
// shaded only when a glob of it reaches the rows being drawn: a colour that one glob uses
// (an imported photograph has a colour per glob) is shaded pixel by pixel as it is written;
// a colour used again is compiled into a stamp once and copied from then on.
class ShapePen
{
public:
    // Stamps a glob centred on (x, y) into the target's band; returns the glob's rectangle.
    // Inline for the usual case, a stamp ready and the glob inside the band.
    QRect Draw(const StampTarget& target, int x, int y)
    {
        if (m_stampReady && m_shape->DrawCompiledInside(target, x, y, m_stamp))
            return m_shape->Covered(x, y);
        return DrawOther(target, x, y);
    }

private:
    friend class ReplayColors;

    QRect DrawOther(const StampTarget& target, int x, int y);

    const CShape* m_shape = nullptr;
    bool m_fromRecord = false; // otherwise the shape's own colour is followed
    HsvColor m_recordColor;    // the colour a record asked for
    HsvColor m_color;          // the colour the pen stamps in
    bool m_started = false;    // m_color has been chosen once
    bool m_tonesReady = false;
    bool m_stampReady = false;
    int m_tonedDraws = 0;      // globs drawn through the tones since they were shaded
    ToneColors m_tones;
    CompiledStamp m_stamp;
};

// The colour each shape is stamped in while a drawing is replayed. A colour-change record
// sets a shape's colour from its glob on; a shape no record has reached yet is stamped in
// its own colour. The replay paints stamps of its own, so the shapes the program shows and
// draws with are never changed by painting. A copy carries the colours on independently,
// as each band of a replay on several threads needs.
class ReplayColors
{
public:
    explicit ReplayColors(const ShapeTable& shapes) : m_shapes(&shapes) {}

    // Every shape back to its own colour, as at the start of the drawing.
    void Reset();
    // A record recolours `shape` for the globs that follow.
    void Set(int shape, const HsvColor& color);
    // The pen for globs of `shape` from here on; null for a shape outside the table. Valid
    // until the next call of Set or Pen for another shape table size.
    ShapePen* Pen(int shape);
    // Makes room for every shape, so that later calls allocate nothing.
    void Reserve();

private:
    ShapePen* PenOf(int shape);

    const ShapeTable* m_shapes;
    std::vector<ShapePen> m_pens;
};
