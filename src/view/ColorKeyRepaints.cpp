#include "view/ColorKeyRepaints.h"

#include "view/PaletteLink.h"

void RepaintAfterColorKeys(PaletteLink* palettes, ColorKeyRepaints& repaints)
{
    if (!palettes)
        return;
    palettes->RepaintShapesWindow();
    if (repaints.Any())
        palettes->RepaintColorsWindow();
    repaints = {};
}
