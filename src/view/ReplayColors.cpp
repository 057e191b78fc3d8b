#include "view/ReplayColors.h"

#include "shapes/ShapeTable.h"

void ReplayColors::Reset()
{
    for (Entry& entry : m_entries)
        entry.fromRecord = false;
}

ReplayColors::Entry* ReplayColors::EntryOf(int shape)
{
    if (shape < 0 || shape >= m_shapes.Count())
        return nullptr;
    if (m_entries.size() < size_t(m_shapes.Count()))
        m_entries.resize(size_t(m_shapes.Count()));
    return &m_entries[size_t(shape)];
}

void ReplayColors::Set(int shape, const HsvColor& color)
{
    if (Entry* entry = EntryOf(shape)) {
        entry->fromRecord = true;
        entry->color = color;
    }
}

const ShapeStamp* ReplayColors::Stamp(int shape)
{
    Entry* entry = EntryOf(shape);
    if (!entry)
        return nullptr;
    const CShape& source = m_shapes.Shape(shape);
    const HsvColor wanted = entry->fromRecord ? entry->color : source.Color();
    if (!entry->painted || entry->paintedColor != wanted) {
        source.PaintStamp(wanted.hue, wanted.saturation, wanted.value, entry->stamp);
        entry->paintedColor = wanted;
        entry->painted = true;
    }
    return &entry->stamp;
}
