#include "color/ColorsLayout.h"

#include "color/ColorConversion.h"

#include <gtest/gtest.h>

namespace {

using namespace ColorsLayout;

TEST(ColorsLayout, FieldRowsRunFromFullSaturationDownToSeven)
{
    const QImage field = BuildHueSaturationImage();
    ASSERT_EQ(field.size(), QSize(120, 63));
    ASSERT_EQ(field.format(), QImage::Format_RGB32);
    for (int y = 0; y < 63; ++y) {
        const int s = 255 - 4 * y;
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(field.pixel(x, y), ToQRgb(HsvToRgb(3 * x, ByteFraction(s), 1.0f)))
                << x << "," << y;
    }
    EXPECT_EQ(field.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(ColorsLayout, BarIsAGreyRamp)
{
    const QImage bar = BuildValueImage();
    ASSERT_EQ(bar.size(), QSize(10, 63));
    for (int y = 0; y < 63; ++y) {
        const int v = int(double(ByteFraction(255 - 4 * y)) * 255.0);
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(bar.pixel(x, y), qRgb(v, v, v)) << x << "," << y;
    }
}

TEST(ColorsLayout, HitTestsFollowThePixelLayout)
{
    EXPECT_TRUE(InField({5, 5}));
    EXPECT_TRUE(InField({124, 67}));
    EXPECT_FALSE(InField({125, 67}));
    EXPECT_FALSE(InField({5, 68}));
    EXPECT_TRUE(InBar({142, 5}));
    EXPECT_FALSE(InBar({143, 5}));

    EXPECT_EQ(StripIndexAt({4, 101}, 3), 0);
    EXPECT_EQ(StripIndexAt({24, 108}, 3), 2);
    EXPECT_EQ(StripIndexAt({25, 104}, 3), -1); // one pixel past the last swatch
    EXPECT_EQ(StripIndexAt({10, 100}, 3), -1);
    EXPECT_EQ(StripIndexAt({10, 109}, 3), -1);
}

TEST(ColorsLayout, DraggingClampsHueAndLevels)
{
    EXPECT_EQ(HueAt(200), 360);
    EXPECT_EQ(HueAt(0), 0);
    EXPECT_EQ(HueAt(15), 30);
    EXPECT_EQ(LevelAt(80), 0);
    EXPECT_EQ(LevelAt(5), 255);
    EXPECT_EQ(LevelAt(67), 7);
    EXPECT_EQ(LevelAt(-10), 255);
}

TEST(ColorsLayout, MarkersSitOnTheColour)
{
    EXPECT_EQ(FieldMarker({0, 255, 255}), QRect(4, 4, 3, 3));
    EXPECT_EQ(FieldMarker({360, 2, 255}), QRect(123, 66, 3, 3));
    EXPECT_EQ(BarMarker({0, 0, 7}), QRect(133, 66, 10, 3));
    EXPECT_EQ(StripRest(3), QRect(QPoint(25, 101), QPoint(143, 107)));
}

} // namespace
