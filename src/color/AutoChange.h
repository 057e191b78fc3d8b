#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "color/HsvColor.h"
#include "color/RandomGenerator.h"

// The colour drift: hue, saturation and value can each move by themselves while drawing.
enum class AutoChannel { Hue = 0, Saturation = 1, Value = 2 };

enum AutoChangeMode : std::uint8_t {
    AutoOff = 0,
    AutoUp = 1,
    AutoDown = 2,
    AutoUpDown = 3,
    AutoRandom = 4,
    AutoDownUp = 5,
};

struct AutoChangeChannel
{
    std::uint8_t mode = AutoOff;
    std::uint8_t speed = 5; // 1 slow .. 10 fast
    int step = 0;           // +-5 for hue, +-10 for saturation and value
    int target = 0;         // goal of Random mode
};

// Application-wide drift settings, shared by every drawing window.
class AutoChangeState
{
public:
    AutoChangeChannel& Channel(AutoChannel c) { return m_channels[std::size_t(c)]; }
    const AutoChangeChannel& Channel(AutoChannel c) const { return m_channels[std::size_t(c)]; }
    bool AnyOn() const;

    // Sets the step (and the Random target) of one channel from its mode; current is the
    // current shape's colour.
    void StartAutoChange(AutoChannel channel, const HsvColor& current, RandomGenerator& random);

private:
    std::array<AutoChangeChannel, 3> m_channels{};
};

// Per drawing window: how many drawing steps since each channel last moved.
struct AutoChangeCounters
{
    std::array<std::uint8_t, 3> count{0, 0, 0};
};

// One drawing step of drift. hue/saturation/value are the current shape's colour on entry
// and the drifted colour on return; true when any channel moved.
bool StepAutoChange(AutoChangeState& state, AutoChangeCounters& counters,
                    int& hue, int& saturation, int& value, RandomGenerator& random);

int AutoChangeStepSize(AutoChannel channel); // 5 for hue, 10 otherwise
