#pragma once

#include <vector>

#include "view/PaletteLink.h"

// Records what the drawing engine asks of the Colors and Shapes windows.
struct FakePalettes final : PaletteLink
{
    HsvColor shown{0, 255, 255};
    std::vector<HsvColor> sampled;
    int shapesRepaints = 0;
    int colorsRepaints = 0;
    int chosenShapes = 0;

    HsvColor ColorsWindowColor() const override { return shown; }
    void SetColorsWindowColor(const HsvColor& color) override { shown = color; }
    void StrokeEnded() override {}
    void RepaintShapesWindow() override { ++shapesRepaints; }
    void RepaintColorsWindow() override { ++colorsRepaints; }
    void ShowChosenShape() override { ++chosenShapes; }
    void TakeSampledColor(const HsvColor& color) override
    {
        shown = color;
        sampled.push_back(color);
    }
};
