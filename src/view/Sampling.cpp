#include "view/Sampling.h"

#include <algorithm>
#include <optional>
#include <cstdlib>

#include "color/ColorConversion.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeCommands.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"
#include "view/OneShotModes.h"
#include "view/PaletteLink.h"

namespace {

constexpr int kHitReach = 8;

// The colour the glob at globIndex is drawn in: its own record, or else the one before it.
std::optional<HsvColor> ColorInEffect(const GlobStore& records, int globIndex)
{
    const auto& items = records.ColorChanges().Items();
    const auto after = std::upper_bound(items.begin(), items.end(), globIndex,
                                        [](int g, const CColorChange& c) { return g < c.globIndex; });
    if (after == items.begin())
        return std::nullopt;
    return std::prev(after)->Color();
}

void SampleShape(DrawingSession& session, int glob)
{
    ShapeTable& shapes = session.Tools().shapes;
    const GlobStore& records = session.Doc().Records();
    ShapeCommands::TakeSampledShape(shapes, records.GetGlob(glob).shape);
    shapes.Current().RefreshColored();
    if (PaletteLink* palettes = session.Tools().palettes)
        palettes->ShowChosenShape();
    const HsvColor color = shapes.Current().Color();
    if (ColorInEffect(records, session.Canvas().HistoryPosition()) != color)
        session.ApplyCurrentColor(color);
}

// Over the paper (or the background picture) the colour is what the window shows there.
std::optional<HsvColor> ScreenColor(const DrawingSession& session, QPoint p)
{
    const QImage& image = session.Canvas().DrawingImage();
    if (!image.valid(p))
        return std::nullopt;
    const QRgb pixel = image.pixel(p);
    return RgbToHsvColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void SampleColor(DrawingSession& session, int glob, QPoint p)
{
    PaletteLink* palettes = session.Tools().palettes;
    const std::optional<HsvColor> color =
        glob >= 0 ? ColorInEffect(session.Doc().Records(), glob) : ScreenColor(session, p);
    if (palettes && color)
        palettes->TakeSampledColor(*color);
}

// Turning one sampling mode on switches the other off. The other goes only afterwards, so
// the Lines state it put aside is kept rather than saved again.
ModeEffects ToggleSampling(DrawingModes& modes, OneShotModes& oneShot, bool OneShotModes::*mode,
                           bool OneShotModes::*other)
{
    ModeEffects effects = ToggleOneShotMode(modes, oneShot, mode);
    if (oneShot.*mode)
        oneShot.*other = false;
    return effects;
}

} // namespace

ModeEffects SampleColorCommand(DrawingModes& modes, OneShotModes& oneShot)
{
    return ToggleSampling(modes, oneShot, &OneShotModes::sampleColour, &OneShotModes::sampleShape);
}

ModeEffects SampleShapeCommand(DrawingModes& modes, OneShotModes& oneShot)
{
    return ToggleSampling(modes, oneShot, &OneShotModes::sampleShape, &OneShotModes::sampleColour);
}

int HitGlob(const GlobStore& records, int position, QPoint p)
{
    for (int i = std::min(position, records.GlobCount()) - 1; i >= 0; --i) {
        const CGlob& glob = records.GetGlob(i);
        if (std::abs(glob.x - p.x()) < kHitReach && std::abs(glob.y - p.y()) < kHitReach)
            return i;
    }
    return -1;
}

ModeEffects SamplePress(DrawingSession& session, QPoint p)
{
    const DrawingTools& tools = session.Tools();
    ModeEffects effects = RestoreLines(tools.modes);
    effects.updateCursor = true;
    session.Strokes().SetNoSection();
    const int glob = HitGlob(session.Doc().Records(), session.Canvas().HistoryPosition(), p);
    if (tools.oneShot && tools.oneShot->sampleShape) {
        if (glob >= 0)
            SampleShape(session, glob);
    } else {
        SampleColor(session, glob, p);
    }
    return effects;
}
