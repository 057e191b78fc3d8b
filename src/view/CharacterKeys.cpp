#include "view/CharacterKeys.h"

#include <algorithm>

#include "shapes/ShapeCommands.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"
#include "view/PaletteLink.h"

namespace {

// The pending change of one colour key.
struct ColorDelta
{
    int hue = 0;
    int saturation = 0;
    int value = 0;
};

bool ColorKeyDelta(QChar key, ColorDelta& delta)
{
    switch (key.toLower().unicode()) {
    case '1': delta.hue = 5; return true;
    case 'q': delta.hue = -5; return true;
    case '2': delta.saturation = 10; return true;
    case 'w': delta.saturation = -10; return true;
    case '3': delta.value = 10; return true;
    case 'e': delta.value = -10; return true;
    default: return false;
    }
}

// Changes one byte of the colour, clamped; true when it changed.
bool StepByte(std::uint8_t& byte, int delta)
{
    const auto stepped = std::uint8_t(std::clamp(byte + delta, 0, 255));
    const bool changed = stepped != byte;
    byte = stepped;
    return changed;
}

KeyEffects ApplyColorKey(DrawingSession& session, const ColorDelta& delta, ColorKeyRepaints& repaints)
{
    CShape& shape = session.Tools().shapes.Current();
    HsvColor color = shape.Color();
    if (delta.hue != 0) {
        int hue = color.hue + delta.hue;
        repaints.hueSaturation = true;
        if (hue > 360)
            hue = 0;
        if (hue < 0)
            hue = 360;
        color.hue = std::int16_t(hue);
    }
    if (delta.saturation != 0 && StepByte(color.saturation, delta.saturation))
        repaints.hueSaturation = true;
    if (delta.value != 0 && StepByte(color.value, delta.value))
        repaints.value = true;
    session.ApplyCurrentColor(color);
    shape.SetColor(color);
    if (PaletteLink* palettes = session.Tools().palettes)
        palettes->SetColorsWindowColor(color);
    if (!session.Strokes().InStroke())
        RepaintAfterColorKeys(session.Tools().palettes, repaints);
    KeyEffects effects;
    effects.drawingChanged = true;
    return effects;
}

// The shape just chosen by key is the one to draw with: its colour is recorded from the
// history position on and the window shows its cursor.
KeyEffects ShapeChosen(DrawingSession& session)
{
    session.ApplyCurrentColor(session.Tools().shapes.Current().Color());
    KeyEffects effects;
    effects.updateCursor = true;
    effects.drawingChanged = true;
    return effects;
}

KeyEffects SizeKey(DrawingSession& session, int step)
{
    ShapeTable& shapes = session.Tools().shapes;
    const int size = ShapeCommands::CurrentSize(shapes);
    if (size < 0 || size + step < 0 || size + step > 2)
        return {};
    ShapeCommands::SelectSize(shapes, size + step);
    shapes.Current().RefreshColored();
    if (PaletteLink* palettes = session.Tools().palettes)
        palettes->RepaintShapesWindow();
    return ShapeChosen(session);
}

KeyEffects FamilyKey(DrawingSession& session, int direction)
{
    ShapeTable& shapes = session.Tools().shapes;
    if (!ShapeCommands::StepFamily(shapes, direction))
        return {};
    shapes.Current().RefreshColored();
    if (PaletteLink* palettes = session.Tools().palettes)
        palettes->ShowChosenShape();
    return ShapeChosen(session);
}

// Steps a mode parameter within its limits.
void StepWithin(int& setting, int step, int lowest, int highest)
{
    if (step > 0 && setting < highest)
        ++setting;
    else if (step < 0 && setting > lowest)
        --setting;
}

KeyEffects ModeKey(DrawingSession& session, QChar key)
{
    DrawingModes& modes = session.Tools().modes;
    KeyEffects effects;
    switch (key.toLower().unicode()) {
    case '4': StepWithin(modes.symmetry.polarCount, 1, 2, 50); break;
    case 'r': StepWithin(modes.symmetry.polarCount, -1, 2, 50); break;
    case '5': StepWithin(modes.jitterAmount, 1, 1, 8); break;
    case 't': StepWithin(modes.jitterAmount, -1, 1, 8); break;
    case '6': StepWithin(modes.skipValue, 1, 1, 10); break;
    case 'y': StepWithin(modes.skipValue, -1, 1, 10); break;
    default: return effects;
    }
    const QChar lower = key.toLower();
    effects.repaintRubberBand = modes.lines && (lower == '4' || lower == 'r');
    return effects;
}

} // namespace

KeyEffects CharacterKey(DrawingSession& session, QChar key, ColorKeyRepaints& repaints)
{
    ColorDelta delta;
    if (ColorKeyDelta(key, delta))
        return ApplyColorKey(session, delta, repaints);
    switch (key.unicode()) {
    case '\t': {
        KeyEffects effects;
        effects.stepPalettes = true;
        return effects;
    }
    case '+':
    case '=': return SizeKey(session, 1);
    case '-': return SizeKey(session, -1);
    case ']': return FamilyKey(session, 1);
    case '[': return FamilyKey(session, -1);
    default: return ModeKey(session, key);
    }
}
