#pragma once

#include <functional>

#include "imaging/TransferStores.h"
#include "view/DrawingModeCommands.h"

// Shows the "Pattern" dialog with the current values; on OK writes them back and returns true.
using PatternDialog = std::function<bool(bool& on, RunColors& colors)>;

// "P&attern": with Ctrl toggles pattern mode, otherwise the dialog. Pattern mode on switches
// Lines and Jitter off; off leaves them as they are.
ModeEffects PatternCommand(DrawingModes& modes, RunColors& colors, CtrlKey ctrl, const PatternDialog& dialog);
