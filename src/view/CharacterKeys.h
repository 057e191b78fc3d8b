#pragma once

#include <QChar>

#include "view/ColorKeyRepaints.h"

class DrawingSession;

// What the drawing window does after a character key.
struct KeyEffects
{
    bool stepPalettes = false;      // Tab: the frame steps its palette-visibility cycle
    bool updateCursor = false;      // the current shape changed
    bool repaintRubberBand = false; // the polar count changed while Lines shows a band
    bool drawingChanged = false;    // a colour record was added
};

// The drawing window's character keys (Esc is the window's own): colour, size, family and
// mode parameters change while drawing. Keys not listed do nothing.
KeyEffects CharacterKey(DrawingSession& session, QChar key, ColorKeyRepaints& repaints);
