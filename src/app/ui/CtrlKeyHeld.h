#pragma once

#include <QApplication>

// Whether Ctrl is down as a command runs: Ctrl+click on a mode's item skips its dialog.
inline bool CtrlKeyHeld()
{
    return QApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
}
