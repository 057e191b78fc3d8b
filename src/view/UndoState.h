#pragma once

#include <QString>

// Which action the Undo command would undo (1..6) or redo (7..12); 0: nothing.
enum UndoState : int {
    UndoNothing = 0,
    UndoDepth = 1,
    UndoDrawing = 2,
    UndoMoveCenter = 3,
    UndoClear = 4,
    UndoCut = 5,
    UndoPaste = 6,
    RedoDepth = 7,
    RedoDrawing = 8,
    RedoMoveCenter = 9,
    RedoClear = 10,
    RedoCut = 11,
    RedoPaste = 12,
};

// The Edit menu's text for the Undo item in a given state.
QString UndoLabel(int state);
