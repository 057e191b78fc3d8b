#include "color/AutoChangeCommand.h"

#include <gtest/gtest.h>

namespace {

TEST(AutoChangeCommand, CtrlTogglesEachChannelWithItsOwnMode)
{
    RandomGenerator random(1);
    AutoChangeState state;
    const HsvColor red{0, 255, 255};
    const struct { AutoChannel channel; std::uint8_t on; } cases[] = {
        {AutoChannel::Hue, AutoUp},
        {AutoChannel::Saturation, AutoUpDown},
        {AutoChannel::Value, AutoUpDown},
    };
    for (const auto& c : cases) {
        state.Channel(c.channel).speed = 7;
        ToggleAutoChange(state, c.channel, red, random);
        EXPECT_EQ(state.Channel(c.channel).mode, c.on);
        EXPECT_EQ(state.Channel(c.channel).step, AutoChangeStepSize(c.channel));
        ToggleAutoChange(state, c.channel, red, random);
        EXPECT_EQ(state.Channel(c.channel).mode, AutoOff);
        EXPECT_EQ(state.Channel(c.channel).speed, 7);
    }
    state.Channel(AutoChannel::Value).mode = AutoRandom;
    ToggleAutoChange(state, AutoChannel::Value, red, random);
    EXPECT_EQ(state.Channel(AutoChannel::Value).mode, AutoOff);
}

TEST(AutoChangeCommand, ChosenRandomModeDrawsATarget)
{
    RandomGenerator random(5);
    AutoChangeState state;
    SetAutoChange(state, AutoChannel::Hue, AutoRandom, 9, HsvColor{0, 255, 255}, random);
    const AutoChangeChannel& hue = state.Channel(AutoChannel::Hue);
    EXPECT_EQ(hue.mode, AutoRandom);
    EXPECT_EQ(hue.speed, 9);
    EXPECT_EQ(hue.step, hue.target > 0 ? 5 : -5);
    EXPECT_NE(random.Next(), RandomGenerator(5).Next()); // the target used a draw
}

} // namespace
