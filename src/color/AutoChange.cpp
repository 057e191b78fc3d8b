#include "color/AutoChange.h"

namespace {

int Limit(AutoChannel channel) { return channel == AutoChannel::Hue ? 360 : 255; }

int DrawTarget(AutoChannel channel, RandomGenerator& random)
{
    return channel == AutoChannel::Hue ? random.Next() % 360 : random.Next() % 255;
}

int Component(const HsvColor& c, AutoChannel channel)
{
    switch (channel) {
    case AutoChannel::Hue: return c.hue;
    case AutoChannel::Saturation: return c.saturation;
    default: return c.value;
    }
}

void ApplyModeRule(AutoChangeChannel& ch, AutoChannel channel, int& v, int stored, RandomGenerator& random)
{
    const int limit = Limit(channel);
    const int size = AutoChangeStepSize(channel);
    switch (ch.mode) {
    case AutoUp:
        if (v > limit)
            v = channel == AutoChannel::Hue ? 0 : limit;
        break;
    case AutoDown:
        if (v < 0)
            v = channel == AutoChannel::Hue ? limit : 0;
        break;
    case AutoUpDown:
    case AutoDownUp:
        if (v > limit) {
            v = limit;
            ch.step = -ch.step;
        } else if (v < 0) {
            v = 0;
            ch.step = -ch.step;
        }
        break;
    case AutoRandom:
        if ((ch.step > 0 && v >= ch.target) || (ch.step < 0 && v <= ch.target)) {
            v = ch.target;
            ch.target = DrawTarget(channel, random);
            // Compared with the shape's colour as it was before this step, as drawn.
            ch.step = ch.target > stored ? size : -size;
        }
        break;
    default:
        break;
    }
}

} // namespace

int AutoChangeStepSize(AutoChannel channel) { return channel == AutoChannel::Hue ? 5 : 10; }

bool AutoChangeState::AnyOn() const
{
    for (const AutoChangeChannel& c : m_channels)
        if (c.mode != AutoOff)
            return true;
    return false;
}

void AutoChangeState::StartAutoChange(AutoChannel channel, const HsvColor& current, RandomGenerator& random)
{
    AutoChangeChannel& ch = Channel(channel);
    const int size = AutoChangeStepSize(channel);
    switch (ch.mode) {
    case AutoUp:
    case AutoUpDown:
        ch.step = size;
        break;
    case AutoDown:
    case AutoDownUp:
        ch.step = -size;
        break;
    case AutoRandom:
        ch.target = DrawTarget(channel, random);
        ch.step = ch.target > Component(current, channel) ? size : -size;
        break;
    default:
        break;
    }
}

bool StepAutoChange(AutoChangeState& state, AutoChangeCounters& counters,
                    int& hue, int& saturation, int& value, RandomGenerator& random)
{
    for (std::uint8_t& c : counters.count)
        ++c;
    int* values[3] = {&hue, &saturation, &value};
    const int stored[3] = {hue, saturation, value};
    bool changed = false;
    for (int i = 0; i < 3; ++i) {
        const auto channel = AutoChannel(i);
        AutoChangeChannel& ch = state.Channel(channel);
        if (ch.mode == AutoOff || counters.count[std::size_t(i)] <= (11 - ch.speed) * 5)
            continue;
        counters.count[std::size_t(i)] = 0;
        *values[i] += ch.step;
        ApplyModeRule(ch, channel, *values[i], stored[i], random);
        changed = true;
    }
    return changed;
}
