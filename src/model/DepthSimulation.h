#pragma once

#include <array>

#include "color/HsvColor.h"

class GlobStore;

// How Simulate Depth colours a range of the drawing; shared by all drawings for the run.
struct DepthSettings
{
    bool entireDrawing = false; // off: the last section only
    bool light = true;          // off: ChromaDepth
    int bottom = 0;             // 0..24
    int top = 25;               // 1..25, always above bottom
};

// The depth colours from deepest (blue, index 24) to nearest (red, index 0).
const std::array<HsvColor, 25>& ChromaDepthColors();

// Rewrites the colour changes of globs start..position so that earlier globs look deeper,
// ending with the colour the globs after position had (or `currentColor` when none). The
// globs themselves are untouched. False, with nothing changed, when the range is empty.
bool ApplyDepth(GlobStore& store, const DepthSettings& settings, int start, int position,
                HsvColor currentColor);
