#pragma once

class AutoChangeState;
class PaletteLink;
class RandomGenerator;
class ShapeTable;
struct TransferStores;
struct OneShotModes;
struct DrawingModes;
struct ColorKeyRepaints;

// What all drawing windows share, owned by the application and lent to each window.
struct DrawingTools
{
    ShapeTable& shapes;
    DrawingModes& modes;
    AutoChangeState& autoChange;
    RandomGenerator& random;
    PaletteLink* palettes = nullptr;
    OneShotModes* oneShot = nullptr; // click-once modes such as Move Center; none in tools and tests
    TransferStores* transfers = nullptr; // the clipboard and the pattern; none in tools
    ColorKeyRepaints* colorKeys = nullptr; // Colors window repaints the colour keys left waiting
};
