#include "color/AutoChange.h"

#include <gtest/gtest.h>

namespace {

// Runs one step with the counter already past the threshold, so only the mode rule shows.
int StepOnce(AutoChannel channel, std::uint8_t mode, int start, int& step)
{
    AutoChangeState state;
    RandomGenerator random(1);
    AutoChangeChannel& ch = state.Channel(channel);
    ch.mode = mode;
    ch.speed = 10;
    ch.step = step;
    AutoChangeCounters counters;
    counters.count[std::size_t(channel)] = 200;
    int hsv[3] = {0, 0, 0};
    hsv[int(channel)] = start;
    EXPECT_TRUE(StepAutoChange(state, counters, hsv[0], hsv[1], hsv[2], random));
    step = ch.step;
    return hsv[int(channel)];
}

struct RuleCase
{
    AutoChannel channel;
    std::uint8_t mode;
    int start, step;
    int expected, expectedStep;
};

class AutoChangeRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(AutoChangeRules, WrapsClampsAndBounces)
{
    const RuleCase c = GetParam();
    int step = c.step;
    EXPECT_EQ(StepOnce(c.channel, c.mode, c.start, step), c.expected);
    EXPECT_EQ(step, c.expectedStep);
}

INSTANTIATE_TEST_SUITE_P(Modes, AutoChangeRules, ::testing::Values(
    RuleCase{AutoChannel::Hue, AutoUp, 358, 5, 0, 5},
    RuleCase{AutoChannel::Hue, AutoUp, 356, 5, 0, 5},
    RuleCase{AutoChannel::Hue, AutoUp, 355, 5, 360, 5},      // 360 itself stays
    RuleCase{AutoChannel::Hue, AutoDown, 3, -5, 360, -5},
    RuleCase{AutoChannel::Saturation, AutoUp, 250, 10, 255, 10},
    RuleCase{AutoChannel::Value, AutoDown, 4, -10, 0, -10},
    RuleCase{AutoChannel::Saturation, AutoUpDown, 250, 10, 255, -10},
    RuleCase{AutoChannel::Value, AutoDownUp, 5, -10, 0, 10},
    RuleCase{AutoChannel::Hue, AutoUpDown, 358, 5, 360, -5},
    RuleCase{AutoChannel::Value, 9, 250, 10, 260, 10}));      // unknown mode: as added

TEST(AutoChange, SpeedTenStepsOnCallsSixTwelveEighteen)
{
    AutoChangeState state;
    RandomGenerator random(1);
    state.Channel(AutoChannel::Hue).mode = AutoUp;
    state.Channel(AutoChannel::Hue).speed = 10;
    state.StartAutoChange(AutoChannel::Hue, HsvColor{100, 255, 255}, random);
    AutoChangeCounters counters;
    int h = 100, s = 255, v = 255;
    for (int call = 1; call <= 18; ++call) {
        const bool changed = StepAutoChange(state, counters, h, s, v, random);
        EXPECT_EQ(changed, call % 6 == 0) << "call " << call;
    }
    EXPECT_EQ(h, 115);
}

TEST(AutoChange, DefaultSpeedStepsEveryThirtyFirstCallAndCountersRunWhileOff)
{
    AutoChangeState state;
    RandomGenerator random(1);
    AutoChangeCounters counters;
    int h = 0, s = 100, v = 100;
    for (int call = 0; call < 40; ++call)
        EXPECT_FALSE(StepAutoChange(state, counters, h, s, v, random));
    // Switched on after 40 silent calls: the counter is already past 30, so it steps at once.
    state.Channel(AutoChannel::Saturation).mode = AutoUp;
    state.StartAutoChange(AutoChannel::Saturation, HsvColor{0, 100, 100}, random);
    EXPECT_TRUE(StepAutoChange(state, counters, h, s, v, random));
    EXPECT_EQ(s, 110);
    for (int call = 1; call <= 31; ++call)
        EXPECT_EQ(StepAutoChange(state, counters, h, s, v, random), call == 31);
}

TEST(AutoChange, StartSetsStepSignsByMode)
{
    AutoChangeState state;
    RandomGenerator random(5);
    const HsvColor current{180, 128, 128};
    const std::pair<std::uint8_t, int> rows[] = {{AutoUp, 10}, {AutoUpDown, 10}, {AutoDown, -10}, {AutoDownUp, -10}};
    for (auto [mode, step] : rows) {
        state.Channel(AutoChannel::Value).mode = mode;
        state.StartAutoChange(AutoChannel::Value, current, random);
        EXPECT_EQ(state.Channel(AutoChannel::Value).step, step);
    }
    state.Channel(AutoChannel::Value).step = 77;
    state.Channel(AutoChannel::Value).mode = AutoOff;
    state.StartAutoChange(AutoChannel::Value, current, random);
    EXPECT_EQ(state.Channel(AutoChannel::Value).step, 77);
}

TEST(AutoChange, RandomModeReachesTargetAndRedrawsAgainstStoredColour)
{
    RandomGenerator random(42), mirror(42);
    AutoChangeState state;
    AutoChangeChannel& hue = state.Channel(AutoChannel::Hue);
    hue.mode = AutoRandom;
    hue.speed = 10;
    state.StartAutoChange(AutoChannel::Hue, HsvColor{200, 255, 255}, random);
    const int first = mirror.Next() % 360;
    EXPECT_EQ(hue.target, first);
    EXPECT_EQ(hue.step, first > 200 ? 5 : -5);

    // Put the running value one step short of the target: the next step lands on it.
    hue.target = 100;
    hue.step = -5;
    AutoChangeCounters counters;
    counters.count[0] = 200;
    int h = 103, s = 0, v = 0;
    ASSERT_TRUE(StepAutoChange(state, counters, h, s, v, random));
    EXPECT_EQ(h, 100);
    const int next = mirror.Next() % 360;
    EXPECT_EQ(hue.target, next);
    EXPECT_EQ(hue.step, next > 103 ? 5 : -5); // against 103, the colour before the step
}

} // namespace
