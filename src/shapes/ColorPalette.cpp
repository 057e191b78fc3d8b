#include "shapes/ColorPalette.h"

#include "color/ActiveDrawing.h"
#include "shapes/ShapeTable.h"

ColorPalette::ColorPalette(ShapeTable& shapes, ActiveDrawing* drawing)
    : m_shapes(shapes), m_drawing(drawing)
{
    m_history.Add(current);
}

void ColorPalette::AddToHistory()
{
    m_history.Add(current);
    Notify(colorsChanged);
}

void ColorPalette::ApplyCurrentColor()
{
    if (m_shapes.Count() > 0) {
        CShape& shape = m_shapes.Current();
        shape.SetColor(current);
        if (m_drawing && m_drawing->HasActiveDrawing())
            m_drawing->ApplyColor(m_shapes.CurrentIndex(), current);
    }
    Notify(shapesChanged);
}

bool ColorPalette::StepPrevious()
{
    return TakeHistoryEntry(m_history.StepPrevious());
}

bool ColorPalette::StepNext()
{
    return TakeHistoryEntry(m_history.StepNext());
}

bool ColorPalette::SelectEntry(int index)
{
    return TakeHistoryEntry(m_history.Select(index));
}

bool ColorPalette::DeleteCurrentEntry()
{
    return TakeHistoryEntry(m_history.DeleteCurrent());
}

bool ColorPalette::ClearHistory()
{
    const bool cleared = m_history.ClearTo(current);
    if (cleared)
        Notify(colorsChanged);
    return cleared;
}

void ColorPalette::AdoptHistory(const ColorHistory& loaded)
{
    m_history = loaded;
    TakeHistoryEntry(true);
}

bool ColorPalette::TakeHistoryEntry(bool changed)
{
    if (!changed)
        return false;
    current = m_history.CurrentEntry();
    ApplyCurrentColor();
    Notify(colorsChanged);
    return true;
}

void ColorPalette::Notify(const std::function<void()>& listener) const
{
    if (listener)
        listener();
}
