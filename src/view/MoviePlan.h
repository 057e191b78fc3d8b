#pragma once

#include <vector>

struct Sections;

// How a movie of the drawing being made advances: a fixed number of globs each frame, or
// the whole drawing spread over a length in seconds.
struct MovieSettings
{
    enum class Advance { GlobsPerFrame, TotalSeconds };
    int framesPerSecond = 30;
    Advance advance = Advance::TotalSeconds;
    int globsPerFrame = 100;
    double seconds = 10.0;
    bool frameAtSectionEnds = false; // one more frame where each stroke ends
    double holdSeconds = 2.0;        // the finished picture stays this long at the end
    bool halfSize = false;
};

// The frames of a movie: how many globs each frame shows, never fewer than the one before;
// the last frames show the whole drawing. A length in seconds is kept even when there are
// fewer globs than frames. A drawing with no globs still makes one frame.
std::vector<int> PlanMovie(const MovieSettings& settings, int globCount, const Sections& sections);
