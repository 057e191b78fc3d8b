#include "view/PatternModeCommand.h"

#include "view/DrawingModes.h"

ModeEffects PatternCommand(DrawingModes& modes, RunColors& colors, CtrlKey ctrl, const PatternDialog& dialog)
{
    const bool wasOn = modes.patternMode;
    if (ctrl == CtrlKey::Held)
        modes.patternMode = !modes.patternMode;
    else if (dialog)
        dialog(modes.patternMode, colors);
    ModeEffects effects;
    effects.updateCursor = wasOn != modes.patternMode;
    if (modes.patternMode) {
        effects.repaintRubberBand = modes.lines; // the band goes with Lines
        modes.lines = false;
        modes.jitter = false;
    }
    return effects;
}
