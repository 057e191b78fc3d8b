#include "color/ColorConversion.h"
#include "color/RandomGenerator.h"

#include <gtest/gtest.h>

namespace {

struct HsvRgbCase
{
    int hue, sat, val;
    int r, g, b;
};

void PrintTo(const HsvRgbCase& c, std::ostream* os)
{
    *os << "hsv(" << c.hue << "," << c.sat << "," << c.val << ")";
}

class HsvToRgbTable : public ::testing::TestWithParam<HsvRgbCase> {};

TEST_P(HsvToRgbTable, ConvertsExactly)
{
    const HsvRgbCase c = GetParam();
    const RgbColor rgb = HsvColorToRgb(HsvColor{std::int16_t(c.hue), std::uint8_t(c.sat), std::uint8_t(c.val)});
    EXPECT_EQ(RgbRed(rgb), c.r);
    EXPECT_EQ(RgbGreen(rgb), c.g);
    EXPECT_EQ(RgbBlue(rgb), c.b);
}

INSTANTIATE_TEST_SUITE_P(Colors, HsvToRgbTable, ::testing::Values(
    HsvRgbCase{0, 255, 255, 255, 0, 0},
    HsvRgbCase{120, 255, 255, 0, 255, 0},
    HsvRgbCase{240, 255, 255, 0, 0, 255},
    HsvRgbCase{360, 255, 255, 255, 0, 0},
    HsvRgbCase{300, 255, 128, 128, 0, 127},   // the hue factor lies just above 1/60
    HsvRgbCase{30, 255, 255, 255, 127, 0},
    HsvRgbCase{77, 0, 128, 128, 128, 128}));

TEST(HsvToRgb, GreyKeepsEveryValueByte)
{
    for (int v = 0; v <= 255; ++v) {
        const RgbColor rgb = HsvToRgb(200, 0.0f, ByteFraction(v));
        ASSERT_EQ(rgb, MakeRgb(v, v, v)) << "value " << v;
    }
}

TEST(HsvToRgb, FullFractionIsExactlyOne)
{
    EXPECT_EQ(ByteFraction(255), 1.0f);
}

TEST(RgbToHsv, RoundTripLosesAStepAtHue30)
{
    const HsvColor back = RgbToHsvColor(255, 127, 0);
    EXPECT_EQ(back, (HsvColor{29, 255, 255}));
}

TEST(RgbToHsv, EdgeColors)
{
    EXPECT_EQ(RgbToHsvColor(0, 0, 0), (HsvColor{0, 0, 0}));
    const HsvFractions white = RgbToHsv(255, 255, 255);
    EXPECT_EQ(white.hue, 0.0f);
    EXPECT_EQ(white.saturation, 0.0f);
    EXPECT_EQ(white.value, 1.0f);
    // Red tied with blue counts as the red sector.
    EXPECT_EQ(RgbToHsvColor(255, 0, 255).hue, 300);
    // Green tied with blue counts as the green sector: 2 + (1 - 0) / 1 -> 180.
    EXPECT_EQ(RgbToHsvColor(0, 255, 255).hue, 180);
    // Only the low byte of each argument is used.
    EXPECT_EQ(RgbToHsvColor(0x1FF, 0x100, 0x100), RgbToHsvColor(255, 0, 0));
}

TEST(RandomGenerator, SeededSequencesRepeatAndStayInRange)
{
    RandomGenerator a(1234), b(1234);
    for (int i = 0; i < 1000; ++i) {
        const int v = a.Next();
        ASSERT_EQ(v, b.Next());
        ASSERT_GE(v, 0);
        ASSERT_LE(v, RandomGenerator::kMax);
    }
}

TEST(RandomColor, DrawsHueThenSaturationThenValue)
{
    RandomGenerator random(99), mirror(99);
    const HsvColor c = RandomColor(random);
    const int h = mirror.Next(), s = mirror.Next(), v = mirror.Next();
    EXPECT_EQ(c.hue, h % 360);
    EXPECT_EQ(c.saturation, 50 + s % 205);
    EXPECT_EQ(c.value, 100 + v % 155);
    for (int i = 0; i < 2000; ++i) {
        const HsvColor r = RandomColor(random);
        ASSERT_TRUE(r.hue >= 0 && r.hue <= 359);
        ASSERT_TRUE(r.saturation >= 50 && r.saturation <= 254);
        ASSERT_TRUE(r.value >= 100 && r.value <= 254);
    }
}

} // namespace
