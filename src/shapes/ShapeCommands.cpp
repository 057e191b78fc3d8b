#include "shapes/ShapeCommands.h"

#include "color/RandomGenerator.h"
#include "shapes/ColorPalette.h"
#include "shapes/ShapeTable.h"
#include "shapes/ShapesGrid.h"

namespace ShapeCommands {

namespace {

char FamilyOf(const CShape& shape)
{
    return shape.Name().isEmpty() ? '\0' : char(shape.Name().at(0).toLatin1());
}

int SizeOf(const CShape& shape)
{
    return shape.Name().size() >= 3 ? shape.Name().at(2).unicode() - '0' : -1;
}

void TakeColor(CShape& shape, const HsvColor& color)
{
    shape.SetColorLater(color);
}

// The current shape's colour becomes the program's colour, as a pick in the Colors window.
void ApplyShapeColor(ColorPalette& palette, bool addToHistory)
{
    palette.current = palette.Shapes().Current().Color();
    if (addToHistory)
        palette.AddToHistory();
    palette.ApplyCurrentColor();
}

} // namespace

bool FamilyHasSize(const ShapeTable& table, int size)
{
    if (table.Count() == 0 || size < 0 || size > 2)
        return false;
    const int current = table.CurrentIndex();
    return table.FindShape(FamilyOf(table.Shape(current)), char('0' + size));
}

int CurrentSize(const ShapeTable& table)
{
    return table.Count() == 0 ? -1 : SizeOf(table.Shape(table.CurrentIndex()));
}

void SelectShape(ColorPalette& palette, int position)
{
    ShapeTable& table = palette.Shapes();
    if (table.Count() == 0)
        return;
    table.Current().MarkRecolorPending();
    SelectDisplayedPosition(table, position);
    table.Current().MarkRecolorPending();
    palette.current = table.Current().Color();
    palette.Changed();
}

void FinishPress(ColorPalette& palette, int pressedIndex)
{
    ShapeTable& table = palette.Shapes();
    if (table.Count() > 0 && table.CurrentIndex() != pressedIndex) {
        palette.current = table.Shape(pressedIndex).Color();
        table.Current().SetColorLater(palette.current);
        palette.ApplyCurrentColor();
    }
    palette.AddToHistory();
}

void SelectSize(ShapeTable& table, int size)
{
    if (!FamilyHasSize(table, size))
        return;
    const CShape& before = table.Current();
    const HsvColor color = before.Color();
    const char family = FamilyOf(before);
    table.SelectShapeSize(family, size);
    table.SetCurrentIndex(table.IndexOfShape(family, char('0' + size)));
    TakeColor(table.Current(), color);
}

bool StepFamily(ShapeTable& table, int direction)
{
    const int n = table.Count();
    if (n == 0)
        return false;
    const char family = FamilyOf(table.Current());
    int index = table.CurrentIndex();
    const auto inside = [n](int i) { return i >= 0 && i < n; };
    while (inside(index + direction)) {
        index += direction;
        const CShape& shape = table.Shape(index);
        if (shape.activeSize && FamilyOf(shape) != family) {
            table.SetCurrentIndex(index);
            return true;
        }
    }
    for (int back = 0; back < 3 && !table.Shape(index).activeSize && inside(index - direction); ++back)
        index -= direction;
    table.SetCurrentIndex(index);
    return false;
}

void TakeSampledShape(ShapeTable& table, int shapeIndex)
{
    if (shapeIndex < 0 || shapeIndex >= table.Count())
        return;
    table.SetCurrentIndex(shapeIndex);
    CShape& shape = table.Current();
    const char family = FamilyOf(shape);
    const int size = SizeOf(shape);
    for (int i = 0; i <= 2; ++i) {
        // Looked up by name, so a family missing a size never lends another family's shape.
        const int sibling = table.IndexOfShape(family, char('0' + i));
        if (sibling < table.Count() && table.Shape(sibling).activeSize) {
            shape.SetColorLater(table.Shape(sibling).Color());
            break;
        }
    }
    table.SelectShapeSize(family, size);
}

void AllThisSize(ShapeTable& table)
{
    const int size = CurrentSize(table);
    if (size < 0)
        return;
    for (int index : DisplayedShapes(table)) {
        const CShape& shown = table.Shape(index);
        const char family = FamilyOf(shown);
        if (index == table.CurrentIndex() || SizeOf(shown) == size ||
            !table.FindShape(family, char('0' + size)))
            continue;
        const HsvColor color = shown.Color();
        table.SelectShapeSize(family, size);
        TakeColor(table.Shape(table.IndexOfShape(family, char('0' + size))), color);
    }
}

void AllThisColor(ShapeTable& table)
{
    if (table.Count() == 0)
        return;
    const HsvColor color = table.Current().Color();
    for (int index : DisplayedShapes(table))
        if (index != table.CurrentIndex())
            TakeColor(table.Shape(index), color);
}

void RandomColor(ColorPalette& palette, RandomGenerator& random)
{
    if (palette.Shapes().Count() == 0)
        return;
    palette.Shapes().Current().SetColorLater(::RandomColor(random));
    ApplyShapeColor(palette, true);
}

void RandomHistoryColor(ColorPalette& palette, RandomGenerator& random)
{
    const ColorHistory& history = palette.History();
    if (palette.Shapes().Count() == 0 || history.Count() == 0)
        return;
    const int k = random.Next() % history.Count();
    palette.Shapes().Current().SetColorLater(history.Entry(k));
    palette.History().Select(k);
    ApplyShapeColor(palette, false);
}

void AllRandomColors(ColorPalette& palette, RandomGenerator& random)
{
    ShapeTable& table = palette.Shapes();
    if (table.Count() == 0)
        return;
    for (int index : DisplayedShapes(table))
        TakeColor(table.Shape(index), ::RandomColor(random));
    ApplyShapeColor(palette, true);
}

void AllHistoryColors(ColorPalette& palette)
{
    ShapeTable& table = palette.Shapes();
    const ColorHistory& history = palette.History();
    if (table.Count() == 0 || history.Count() == 0)
        return;
    int entry = 0;
    int currentEntry = history.CurrentIndex();
    for (int index : DisplayedShapes(table)) {
        TakeColor(table.Shape(index), history.Entry(entry));
        if (index == table.CurrentIndex())
            currentEntry = entry;
        entry = (entry + 1) % history.Count();
    }
    palette.History().Select(currentEntry);
    ApplyShapeColor(palette, false);
}

} // namespace ShapeCommands
