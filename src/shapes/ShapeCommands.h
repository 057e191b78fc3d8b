#pragma once

class ColorPalette;
class RandomGenerator;
class ShapeTable;

// What the Shapes window's mouse and context menu do to the shapes and the current colour.
// Each leaves repainting to the listeners of the colour palette and to the caller.
namespace ShapeCommands {

// The family of the current shape offers this size (0 small, 1 medium, 2 large).
bool FamilyHasSize(const ShapeTable& table, int size);
// The size digit of the current shape's name, or -1 without shapes.
int CurrentSize(const ShapeTable& table);

// A click in the grid: the shape at a displayed position becomes current and its colour
// the colour shown; the old and new shapes are marked for recolouring.
void SelectShape(ColorPalette& palette, int position);

// Press on one shape, release on another: the other takes the pressed shape's colour and
// becomes the program's colour; either way the colour goes into the history.
void FinishPress(ColorPalette& palette, int pressedIndex);

// "&Small", "&Medium", "&Large": the family's shape of that size becomes current and keeps
// the colour the family had.
void SelectSize(ShapeTable& table, int size);
// "&All this size": other families show the current size where they have it.
void AllThisSize(ShapeTable& table);
// "All this &color": other displayed shapes take the current colour; nothing is applied.
void AllThisColor(ShapeTable& table);

// "]" (direction 1) and "[" (-1): the next displayed shape of another family becomes current.
// At the end of the table the current shape steps back onto a displayed shape of the last
// family instead. True when another family was found.
bool StepFamily(ShapeTable& table, int direction);
// A sampled glob's shape becomes current, in the colour its family shows, and the size the
// family shows from now on.
void TakeSampledShape(ShapeTable& table, int shapeIndex);

void RandomColor(ColorPalette& palette, RandomGenerator& random);
void RandomHistoryColor(ColorPalette& palette, RandomGenerator& random);
void AllRandomColors(ColorPalette& palette, RandomGenerator& random);
void AllHistoryColors(ColorPalette& palette);

} // namespace ShapeCommands
