#include "view/ReplayColors.h"

#include "shapes/ShapeTable.h"

QRect ShapePen::DrawOther(const StampTarget& target, int x, int y)
{
    const CShape& shape = *m_shape;
    if (!shape.Reaches(target, y))
        return shape.IsPrepared() ? shape.Covered(x, y) : QRect();
    if (m_stampReady && m_stamp.stride == target.stride)
        return shape.DrawCompiled(target, x, y, m_stamp, m_tones);
    if (!m_tonesReady) {
        shape.ShadeTones(m_color.hue, m_color.saturation, m_color.value, m_tones);
        m_tonesReady = true;
        m_tonedDraws = 0;
    }
    if (++m_tonedDraws < 2)
        return shape.DrawToned(target, x, y, m_tones);
    shape.CompileStamp(m_tones, target.stride, m_stamp);
    m_stampReady = true;
    return shape.DrawCompiled(target, x, y, m_stamp, m_tones);
}

void ReplayColors::Reset()
{
    for (ShapePen& pen : m_pens)
        pen.m_fromRecord = false;
}

void ReplayColors::Reserve()
{
    if (m_pens.size() < size_t(m_shapes->Count()))
        m_pens.resize(size_t(m_shapes->Count()));
}

ShapePen* ReplayColors::PenOf(int shape)
{
    if (shape < 0 || shape >= m_shapes->Count())
        return nullptr;
    Reserve();
    ShapePen& pen = m_pens[size_t(shape)];
    pen.m_shape = &m_shapes->Shape(shape);
    return &pen;
}

void ReplayColors::Set(int shape, const HsvColor& color)
{
    if (ShapePen* pen = PenOf(shape)) {
        pen->m_fromRecord = true;
        pen->m_recordColor = color;
    }
}

ShapePen* ReplayColors::Pen(int shape)
{
    ShapePen* pen = PenOf(shape);
    if (!pen)
        return nullptr;
    const HsvColor wanted = pen->m_fromRecord ? pen->m_recordColor : pen->m_shape->Color();
    if (!pen->m_started || pen->m_color != wanted) {
        pen->m_color = wanted;
        pen->m_started = true;
        pen->m_tonesReady = false;
        pen->m_stampReady = false;
    }
    return pen;
}
