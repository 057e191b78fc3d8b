#pragma once

#include <functional>
#include <vector>

#include <QPoint>

#include "imaging/ImageSampling.h"

struct AutoChangeCounters;
class AutoChangeState;
class CShape;
class GlobStore;
class RandomGenerator;

// What placing imported globs works on: the drawing's lists, the current shape (whose globs
// are added and whose colour drifts with "Use new colors"), the drift, and Jitter.
struct ImportTools
{
    GlobStore& globs;
    CShape& shape;
    AutoChangeState& drift;
    AutoChangeCounters& ticks;
    RandomGenerator& random;
    int jitterAmount = 0; // 1..8 while Jitter mode is on, else 0
    std::function<void(const HsvColor&)> colorDrifted; // the Colors window follows the shape
};

struct ImportPlacement
{
    int placed = 0;         // globs added, each to be drawn by the next update
    bool cancelled = false; // the user stopped it; what was placed stays
};

// The whole conversion: the picture fitted as chosen, sampled on the grid that the size of
// the tools' shape gives, ordered and placed at the end of the drawing. Nothing when the user
// stopped it while the picture was sampled (then nothing was added).
std::optional<ImportPlacement> ImportPicture(const QImage& picture, const ImportSettings& settings,
                                             ImportTools& tools,
                                             const ImportProgress& progress);

// Adds one glob per sample (percent 50 to 100 of the progress), with a colour change where
// the picture's colour moves further than the colour slider allows, or the drift's colours.
ImportPlacement PlaceImportSamples(const std::vector<ImportSample>& samples, QPoint offset,
                                   const ImportSettings& settings, ImportTools& tools,
                                   const ImportProgress& progress);
