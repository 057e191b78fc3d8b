#include "view/UndoState.h"

QString UndoLabel(int state)
{
    static const char* const kLabels[] = {
        "&Undo\tCtrl+Z",
        "&Undo Simulate Depth\tCtrl+Z",
        "&Undo Drawing\tCtrl+Z",
        "&Undo Move Center\tCtrl+Z",
        "&Undo Clear Drawing\tCtrl+Z",
        "&Undo Cut\tCtrl+Z",
        "&Undo Paste\tCtrl+Z",
        "&Redo Simulate Depth\tCtrl+Z",
        "&Redo Drawing\tCtrl+Z",
        "&Redo Move Center\tCtrl+Z",
        "&Redo Clear Drawing\tCtrl+Z",
        "&Redo Cut\tCtrl+Z",
        "&Redo Paste\tCtrl+Z",
    };
    if (state < 0 || state > RedoPaste)
        state = UndoNothing;
    return QString::fromLatin1(kLabels[state]);
}
