#include "view/Symmetry.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

std::vector<QPoint> SetOf(const SymmetrySettings& s, QPoint centre, QPoint p)
{
    std::vector<QPoint> out;
    AppendSymmetricSet(s, centre, p, out);
    return out;
}

TEST(Symmetry, ResetCentreOf640x480)
{
    EXPECT_EQ(ResetCentre(640, 480), QPoint(317, 238));
}

TEST(Symmetry, PolarAtTheCentreStacksAllCopies)
{
    const QPoint c(317, 238);
    const auto set = SetOf(SymmetrySettings{}, c, c);
    ASSERT_EQ(set.size(), 5u);
    for (QPoint p : set)
        EXPECT_EQ(p, c);
}

TEST(Symmetry, PolarStraightAboveUsesTinyDx)
{
    SymmetrySettings s;
    s.polarCount = 4;
    const QPoint c(100, 100);
    const auto set = SetOf(s, c, QPoint(100, 50)); // dx 0, dy -50: about -90 degrees
    ASSERT_EQ(set.size(), 4u);
    const double a = std::atan2(-50.0, 0.001);
    for (int k = 0; k < 4; ++k) {
        const double t = a + k * (6.28318 / 4);
        EXPECT_EQ(set[size_t(k)], QPoint(int(std::cos(t) * 50 + 100), int(std::sin(t) * 50 + 100))) << k;
    }
    EXPECT_EQ(set[0], QPoint(100, 50));
    EXPECT_EQ(set[1], QPoint(149, 100)); // truncation toward zero, not rounding
}

TEST(Symmetry, MirrorBothAtOriginGivesFourCorners)
{
    SymmetrySettings s;
    s.polar = false;
    s.mirrorBoth = true;
    const QPoint c = ResetCentre(640, 480);
    const std::vector<QPoint> expected{{0, 0}, {634, 0}, {0, 476}, {634, 476}};
    EXPECT_EQ(SetOf(s, c, QPoint(0, 0)), expected);
}

TEST(Symmetry, MixedSettingsKeepTheirOrder)
{
    // Stored settings may combine families the commands never would; the order still holds.
    SymmetrySettings s;
    s.mirrorHorizontal = true;
    s.mirrorVertical = true;
    s.polar = true;
    s.polarCount = 2;
    const QPoint c(10, 10);
    const auto set = SetOf(s, c, QPoint(14, 10));
    const std::vector<QPoint> expected{{6, 10}, {14, 10}, {14, 10}, {6, 10}};
    EXPECT_EQ(set, expected);
}

TEST(Symmetry, RubberBandLinesFollowTheSameFamilies)
{
    SymmetrySettings s;
    s.polar = false;
    s.mirrorHorizontal = true;
    const auto lines = SymmetricLines(s, QPoint(50, 50), QPoint(10, 20), QPoint(30, 40));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], QLine(10, 20, 30, 40));
    EXPECT_EQ(lines[1], QLine(90, 20, 70, 40));
    s.polar = true;
    s.polarCount = 3;
    EXPECT_EQ(SymmetricLines(s, QPoint(50, 50), QPoint(10, 20), QPoint(30, 40)).size(), 4u);
}

} // namespace
