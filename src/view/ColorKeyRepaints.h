#pragma once

class PaletteLink;

// What the colour keys have changed in the Colors window but not yet repainted: repaints
// wait for the end of a stroke. Owned by the application, shared by all drawing windows.
struct ColorKeyRepaints
{
    bool hueSaturation = false;
    bool value = false;

    bool Any() const { return hueSaturation || value; }
};

// Repaints what the colour keys left waiting; called when no stroke is in progress.
void RepaintAfterColorKeys(PaletteLink* palettes, ColorKeyRepaints& repaints);
