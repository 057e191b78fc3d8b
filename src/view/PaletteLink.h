#pragma once

#include "color/HsvColor.h"

// What the drawing engine tells the Colors and Shapes palettes, and asks of them.
class PaletteLink
{
public:
    virtual ~PaletteLink() = default;
    // The Colors window's current colour (what a truncated history records).
    virtual HsvColor ColorsWindowColor() const = 0;
    // The colour drifted during a stroke: show it, without repainting yet.
    virtual void SetColorsWindowColor(const HsvColor& color) = 0;
    // A stroke ended while the colour may have drifted: add it to the history and repaint.
    virtual void StrokeEnded() = 0;
    virtual void RepaintShapesWindow() = 0;
    // The colour keys changed the colour shown: repaint the Colors window.
    virtual void RepaintColorsWindow() = 0;
    // The current shape was chosen from the drawing window: the Shapes window shows it, and
    // its colour becomes the colour shown and joins the colour history.
    virtual void ShowChosenShape() = 0;
    // A colour picked up from the drawing: as if chosen in the Colors window (it goes to the
    // current shape and the active drawing and joins the history).
    virtual void TakeSampledColor(const HsvColor& color) = 0;
};
