#pragma once

#include <QPoint>

#include "view/DrawingModeCommands.h"

class DrawingSession;
class GlobStore;

// "Sample &Color" and "S&ample Shape": each toggles its one-shot mode and switches the other off.
ModeEffects SampleColorCommand(DrawingModes& modes, OneShotModes& oneShot);
ModeEffects SampleShapeCommand(DrawingModes& modes, OneShotModes& oneShot);

// The glob under a point among the first `position` globs: the latest whose centre lies
// strictly within 8 pixels on both axes; -1 when none does.
int HitGlob(const GlobStore& records, int position, QPoint p);

// The press of a sampling mode: picks up the shape or colour under the point. Draws
// nothing and starts no section; the mode ends at the release.
ModeEffects SamplePress(DrawingSession& session, QPoint p);
