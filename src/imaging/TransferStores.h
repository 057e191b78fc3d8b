#pragma once

#include "model/GlobRunStore.h"

// Which globs Cut, Copy and Define Pattern take: the whole drawing up to the history
// position, or only its last section.
enum class RunRange { EntireDrawing, LastSectionOnly };
// Whether pasted and stamped globs keep the colours they were taken with.
enum class RunColors { Preserve, UseNew };

// The clipboard and the pattern that every drawing shares, with the answers their dialogs
// remember for the rest of the run.
struct TransferStores
{
    GlobRunStore clip;
    GlobRunStore pattern;
    RunRange copyRange = RunRange::EntireDrawing;
    RunRange cutRange = RunRange::EntireDrawing;
    RunColors pasteColors = RunColors::Preserve;
    RunRange patternRange = RunRange::EntireDrawing;
    RunColors patternColors = RunColors::Preserve;
};
