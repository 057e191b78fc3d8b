#pragma once

class AutoChangeState;
class PaletteLink;
class RandomGenerator;
class ShapeTable;
struct DrawingModes;

// What all drawing windows share, owned by the application and lent to each window.
struct DrawingTools
{
    ShapeTable& shapes;
    DrawingModes& modes;
    AutoChangeState& autoChange;
    RandomGenerator& random;
    PaletteLink* palettes = nullptr;
};
