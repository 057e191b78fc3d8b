#include <gtest/gtest.h>

#include "model/Sections.h"
#include "view/MoviePlan.h"

namespace
{
MovieSettings Settings(MovieSettings::Advance advance, int fps, double seconds, int perFrame, double hold)
{
    MovieSettings s;
    s.advance = advance;
    s.framesPerSecond = fps;
    s.seconds = seconds;
    s.globsPerFrame = perFrame;
    s.holdSeconds = hold;
    return s;
}
} // namespace

// Each frame shows how many globs, for the ways a movie can advance.
TEST(MoviePlan, FramesForEachWayOfAdvancing)
{
    using enum MovieSettings::Advance;
    struct Case
    {
        MovieSettings settings;
        int globs;
        std::vector<int> frames;
    };
    const Case cases[] = {
        {Settings(GlobsPerFrame, 30, 0, 4, 0), 10, {4, 8, 10}},
        {Settings(GlobsPerFrame, 30, 0, 5, 0), 10, {5, 10}},
        {Settings(TotalSeconds, 2, 2, 0, 0), 10, {3, 5, 8, 10}},       // 4 frames, rounded
        {Settings(TotalSeconds, 10, 1, 0, 0), 3, {0, 1, 1, 1, 2, 2, 2, 2, 3, 3}}, // the length holds
        {Settings(TotalSeconds, 2, 1, 0, 1.5), 6, {3, 6, 6, 6, 6}},    // 3 frames of hold
        {Settings(GlobsPerFrame, 30, 0, 100, 0), 0, {0}},              // no globs: the paper
    };
    Sections none;
    for (const Case& c : cases)
        EXPECT_EQ(PlanMovie(c.settings, c.globs, none), c.frames) << c.globs;
}

TEST(MoviePlan, SectionEndsGetAFrameOfTheirOwn)
{
    MovieSettings s = Settings(MovieSettings::Advance::GlobsPerFrame, 30, 0, 10, 0);
    s.frameAtSectionEnds = true;
    Sections sections;
    sections.count = 3;
    sections.boundaries[0] = 7;
    sections.boundaries[1] = 20;
    sections.boundaries[2] = 25;
    EXPECT_EQ(PlanMovie(s, 25, sections), (std::vector<int>{7, 10, 20, 25}));
}
