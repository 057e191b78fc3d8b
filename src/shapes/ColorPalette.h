#pragma once

#include <functional>

#include <QString>

#include "color/ColorHistory.h"
#include "color/HsvColor.h"

class ActiveDrawing;
class ShapeTable;

// The program's current colour as the palettes see it: the colour being shown and edited,
// the colour history, and the step that makes a colour the program's colour. Both palette
// windows share one of these.
class ColorPalette
{
public:
    // drawing may be null (no drawing window can ever be active, as in tests and tools).
    ColorPalette(ShapeTable& shapes, ActiveDrawing* drawing);

    HsvColor current; // the colour shown; a copy of the current shape's colour
    ColorHistory& History() { return m_history; }
    const ColorHistory& History() const { return m_history; }
    ShapeTable& Shapes() { return m_shapes; }

    void AddToHistory();      // appends the current colour (not twice in a row)
    void ApplyCurrentColor(); // current shape, active drawing, recolour, Shapes window

    // Each replaces the current colour with a history entry and applies it; false when the
    // history did not change.
    bool StepPrevious();
    bool StepNext();
    bool SelectEntry(int index);
    bool DeleteCurrentEntry();
    bool ClearHistory(); // keeps the current colour as the only entry; applies nothing

    // Replaces the history with a loaded one and applies its newest entry.
    void AdoptHistory(const ColorHistory& loaded);

    void Changed() const { Notify(colorsChanged); } // the colour shown was set from outside

    // Listeners: the Shapes window repaints on the first, the Colors window on the second.
    std::function<void()> shapesChanged;
    std::function<void()> colorsChanged;

private:
    bool TakeHistoryEntry(bool changed);
    void Notify(const std::function<void()>& listener) const;

    ShapeTable& m_shapes;
    ActiveDrawing* m_drawing;
    ColorHistory m_history;
};
