#include "color/AutoChangeCommand.h"

void ToggleAutoChange(AutoChangeState& state, AutoChannel channel, const HsvColor& current,
                      RandomGenerator& random)
{
    AutoChangeChannel& c = state.Channel(channel);
    const AutoChangeMode onMode = channel == AutoChannel::Hue ? AutoUp : AutoUpDown;
    c.mode = c.mode == AutoOff ? onMode : AutoOff;
    if (c.mode != AutoOff)
        state.StartAutoChange(channel, current, random);
}

void SetAutoChange(AutoChangeState& state, AutoChannel channel, std::uint8_t mode,
                   std::uint8_t speed, const HsvColor& current, RandomGenerator& random)
{
    AutoChangeChannel& c = state.Channel(channel);
    c.mode = mode;
    c.speed = speed;
    state.StartAutoChange(channel, current, random);
}
