#pragma once

#include "view/Symmetry.h"

// The drawing modes every drawing window shares; kept between runs as settings.
struct DrawingModes
{
    bool lines = false;
    int lineDensity = 4;    // globs per 24 pixels, 1..8
    bool jitter = true;
    int jitterAmount = 3;   // 1..8
    bool skipping = false;
    int skipValue = 1;      // pointer moves ignored between placements, 1..100
    int skipMultiplier = 1; // 1..10
    bool savedLines = false; // Lines, while a one-shot mode has suspended it
    bool patternMode = false;
    SymmetrySettings symmetry;
};
