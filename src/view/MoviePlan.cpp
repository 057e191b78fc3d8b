#include "view/MoviePlan.h"

#include <algorithm>
#include <cmath>

#include "model/Sections.h"

namespace
{
std::vector<int> Steps(const MovieSettings& settings, int globCount)
{
    std::vector<int> frames;
    if (settings.advance == MovieSettings::Advance::GlobsPerFrame) {
        const int step = std::max(1, settings.globsPerFrame);
        for (int shown = step; shown < globCount; shown += step)
            frames.push_back(shown);
    } else {
        const int count = std::max(1, int(std::lround(settings.seconds * settings.framesPerSecond)));
        for (int k = 1; k < count; ++k)
            frames.push_back(int(std::llround(double(globCount) * k / count)));
    }
    frames.push_back(globCount);
    return frames;
}

void AddSectionEnds(std::vector<int>& frames, const Sections& sections, int globCount)
{
    for (int i = 0; i < sections.count; ++i) {
        const int end = sections.boundaries[size_t(i)];
        if (end > 0 && end < globCount && std::ranges::find(frames, end) == frames.end())
            frames.push_back(end);
    }
    std::ranges::sort(frames);
}
} // namespace

std::vector<int> PlanMovie(const MovieSettings& settings, int globCount, const Sections& sections)
{
    globCount = std::max(0, globCount);
    std::vector<int> frames = Steps(settings, globCount);
    if (settings.frameAtSectionEnds)
        AddSectionEnds(frames, sections, globCount);
    const int hold = std::max(0, int(std::lround(settings.holdSeconds * settings.framesPerSecond)));
    frames.insert(frames.end(), size_t(hold), globCount);
    return frames;
}
