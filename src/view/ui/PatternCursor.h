#pragma once

#include <QCursor>

// The pointer over a drawing while pattern mode is on.
QCursor PatternCursor();
// The pointer over a drawing for the modes of the moment.
QCursor DrawingCursor(bool patternMode);
