#pragma once

#include "color/HsvColor.h"

// What the palettes need from the drawing window the user is working in. The drawing view
// implements it; the palettes never see the view itself.
class ActiveDrawing
{
public:
    virtual ~ActiveDrawing() = default;

    virtual bool HasActiveDrawing() const = 0;

    // Records that the current shape takes this colour from the view's history position on,
    // and rebuilds the undo image when the drawing's undo state calls for it.
    virtual void ApplyColor(int shapeIndex, const HsvColor& color) = 0;
};
