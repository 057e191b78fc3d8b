#include "view/DrawingModeCommands.h"

#include <algorithm>

#include "model/CDaubrixDoc.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"
#include "view/OneShotModes.h"
#include "view/UndoState.h"

namespace {

void ToggleOrAsk(bool& mode, DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog)
{
    if (ctrl == CtrlKey::Held)
        mode = !mode;
    else if (dialog)
        dialog(modes);
}

// Lines, Jitter and Skipping each take over from pattern drawing when they end up on.
ModeEffects EndPatternModeIf(bool modeOn, DrawingModes& modes)
{
    ModeEffects effects;
    if (modeOn && modes.patternMode) {
        modes.patternMode = false;
        effects.updateCursor = true;
    }
    return effects;
}

void SwitchMirrorsOff(SymmetrySettings& s)
{
    s.mirrorHorizontal = false;
    s.mirrorVertical = false;
    s.mirrorBoth = false;
}

bool& MirrorSetting(SymmetrySettings& s, Mirror which)
{
    switch (which) {
    case Mirror::Horizontal: return s.mirrorHorizontal;
    case Mirror::Vertical: return s.mirrorVertical;
    case Mirror::Both: break;
    }
    return s.mirrorBoth;
}

// Symmetry and centre commands redraw the band whenever Lines shows one.
ModeEffects BandFollowsSymmetry(const DrawingModes& modes)
{
    ModeEffects effects;
    effects.repaintRubberBand = modes.lines;
    return effects;
}

} // namespace

ModeEffects RestoreLines(DrawingModes& modes)
{
    modes.lines = modes.savedLines;
    ModeEffects effects;
    effects.repaintRubberBand = modes.lines;
    return effects;
}

ModeEffects ToggleOneShotMode(DrawingModes& modes, OneShotModes& oneShot, bool OneShotModes::*mode)
{
    ModeEffects effects = BandFollowsSymmetry(modes);
    effects.updateCursor = true;
    if (oneShot.*mode) {
        oneShot.*mode = false; // Lines stays off, as documented for the commands
        return effects;
    }
    // Another one-shot mode may already have put Lines aside; saving again would lose it.
    if (!oneShot.AnyOn())
        modes.savedLines = modes.lines;
    modes.lines = false;
    oneShot.*mode = true;
    return effects;
}

ModeEffects LinesCommand(DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog)
{
    const bool wasOn = modes.lines;
    ToggleOrAsk(modes.lines, modes, ctrl, dialog);
    ModeEffects effects = EndPatternModeIf(modes.lines, modes);
    effects.clearLineAnchor = !wasOn && modes.lines;
    effects.repaintRubberBand = wasOn && !modes.lines;
    return effects;
}

ModeEffects JitterCommand(DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog)
{
    ToggleOrAsk(modes.jitter, modes, ctrl, dialog);
    return EndPatternModeIf(modes.jitter, modes);
}

ModeEffects SkippingCommand(DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog)
{
    ToggleOrAsk(modes.skipping, modes, ctrl, dialog);
    return EndPatternModeIf(modes.skipping, modes);
}

ModeEffects MirrorCommand(DrawingModes& modes, Mirror which)
{
    SymmetrySettings& s = modes.symmetry;
    bool& mirror = MirrorSetting(s, which);
    const bool on = !mirror;
    if (on) {
        SwitchMirrorsOff(s);
        s.polar = false;
    }
    mirror = on;
    return BandFollowsSymmetry(modes);
}

ModeEffects PolarMirrorCommand(DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog)
{
    ToggleOrAsk(modes.symmetry.polar, modes, ctrl, dialog);
    if (modes.symmetry.polar)
        SwitchMirrorsOff(modes.symmetry);
    return BandFollowsSymmetry(modes);
}

ModeEffects MoveCenterCommand(DrawingModes& modes, OneShotModes& oneShot)
{
    ModeEffects effects = ToggleOneShotMode(modes, oneShot, &OneShotModes::moveCentre);
    effects.movePointerToCentre = oneShot.moveCentre;
    return effects;
}

ModeEffects MoveCenterPress(DrawingSession& session, QPoint p)
{
    session.MoveCentre(p);
    return RestoreLines(session.Tools().modes);
}

ModeEffects CancelOneShotMode(DrawingModes& modes, OneShotModes& oneShot)
{
    if (!oneShot.EndFirst())
        return {};
    ModeEffects effects = RestoreLines(modes);
    effects.updateCursor = true;
    return effects;
}

ModeEffects ResetCenterCommand(DrawingSession& session)
{
    const ModeEffects effects = BandFollowsSymmetry(session.Tools().modes);
    session.ResetCenter();
    return effects;
}

QRect RubberBandArea(const StrokeEngine& strokes)
{
    QRect area;
    for (const QLine& line : strokes.RubberBandLines()) {
        const QPoint topLeft(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2()));
        const QPoint bottomRight(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2()));
        area |= QRect(topLeft, bottomRight);
    }
    // One pixel of slack for the pen's width at either end.
    return area.isNull() ? QRect() : area.adjusted(-1, -1, 1, 1);
}
