#pragma once

#include <functional>

#include <QPoint>
#include <QRect>

struct DrawingModes;
struct OneShotModes;
class DrawingSession;
class StrokeEngine;

// Whether Ctrl was down as a mode command arrived: Ctrl toggles the mode without its dialog.
enum class CtrlKey { Up, Held };

enum class Mirror { Horizontal, Vertical, Both };

// Shows a mode's dialog with the current values; on OK writes them back and returns true.
using ModeDialog = std::function<bool(DrawingModes&)>;

// What the drawing window has to do after a mode command changed the shared modes.
struct ModeEffects
{
    // Repaint the rubber band's area as it was before the command and as it is now, so the
    // band always shows the current symmetry (or disappears with Lines).
    bool repaintRubberBand = false;
    // Lines has just become on: forget the last Lines click.
    bool clearLineAnchor = false;
    // Move Center has just become on: put the pointer on the centre point.
    bool movePointerToCentre = false;
    // A mode that chooses the cursor (pattern, move-centre) changed.
    bool updateCursor = false;
};

// "&Lines", "&Jitter" and "&Skipping": with Ctrl the mode toggles, otherwise the dialog runs.
ModeEffects LinesCommand(DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog);
ModeEffects JitterCommand(DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog);
ModeEffects SkippingCommand(DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog);

// The three mirrors: toggling one on switches the other mirrors and polar off.
ModeEffects MirrorCommand(DrawingModes& modes, Mirror which);
// "&Polar Mirror": with Ctrl toggles, otherwise the dialog; polar on switches the mirrors off.
ModeEffects PolarMirrorCommand(DrawingModes& modes, CtrlKey ctrl, const ModeDialog& dialog);

// A one-shot mode's command: switches it off again (Lines stays off), or on with Lines put
// aside until the mode's click, Esc or the right button ends it.
ModeEffects ToggleOneShotMode(DrawingModes& modes, OneShotModes& oneShot, bool OneShotModes::*mode);
// A one-shot mode ended by use: Lines comes back as it was.
ModeEffects RestoreLines(DrawingModes& modes);

// "&Move Center" toggles the one-shot mode; entering it suspends Lines.
ModeEffects MoveCenterCommand(DrawingModes& modes, OneShotModes& oneShot);
// The press that picks the new centre: undoable, no section, Lines back as it was.
ModeEffects MoveCenterPress(DrawingSession& session, QPoint p);
// Esc or the right button ends one one-shot mode (move-centre first) and brings Lines back.
ModeEffects CancelOneShotMode(DrawingModes& modes, OneShotModes& oneShot);
// "R&eset Center": not undoable.
ModeEffects ResetCenterCommand(DrawingSession& session);

// The area the rubber band and its symmetric copies cover, in drawing coordinates; empty
// when no band shows.
QRect RubberBandArea(const StrokeEngine& strokes);
