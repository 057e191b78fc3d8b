#include "shapes/ColorPalette.h"

#include "shapes/ShapeFixture.h"

#include <gtest/gtest.h>

namespace {

class ColorPaletteTest : public ::testing::Test
{
protected:
    ColorPaletteTest() { FillTable(shapes, {"a_1", "b_1"}); }

    ShapeTable shapes;
    FakeDrawing drawing;
    ColorPalette palette{shapes, &drawing};
    int shapesRepaints = 0;
};

TEST_F(ColorPaletteTest, StartsWithOneRedEntry)
{
    EXPECT_EQ(palette.History().Count(), 1);
    EXPECT_EQ(palette.History().Entry(0), (HsvColor{0, 255, 255}));
    EXPECT_EQ(palette.current, (HsvColor{0, 255, 255}));
}

TEST_F(ColorPaletteTest, ApplyingReachesShapeDrawingAndShapesWindow)
{
    palette.shapesChanged = [this] { ++shapesRepaints; };
    shapes.SetCurrentIndex(1);
    palette.current = HsvColor{120, 255, 255};
    palette.ApplyCurrentColor();
    EXPECT_EQ(shapes.Shape(1).Color(), palette.current);
    EXPECT_EQ(shapes.Shape(1).Colored().pixel(2, 2), qRgb(0, 255, 0));
    ASSERT_EQ(drawing.changes.size(), 1u);
    EXPECT_EQ(drawing.changes[0].shape, 1);
    EXPECT_EQ(shapesRepaints, 1);

    drawing.active = false;
    palette.ApplyCurrentColor();
    EXPECT_EQ(drawing.changes.size(), 1u);
}

TEST_F(ColorPaletteTest, SteppingAndDeletingApplyTheSelectedEntry)
{
    for (int hue : {10, 20, 30}) {
        palette.current = HsvColor{std::int16_t(hue), 255, 255};
        palette.AddToHistory();
    }
    EXPECT_TRUE(palette.StepPrevious());
    EXPECT_EQ(palette.current.hue, 20);
    EXPECT_EQ(shapes.Current().Color().hue, 20);
    EXPECT_TRUE(palette.DeleteCurrentEntry());
    EXPECT_EQ(palette.current.hue, 30);
    EXPECT_EQ(drawing.changes.size(), 2u);
    EXPECT_FALSE(palette.StepNext());
    EXPECT_EQ(drawing.changes.size(), 2u);
}

TEST_F(ColorPaletteTest, ClearingKeepsTheColourAndAppliesNothing)
{
    palette.current = HsvColor{50, 1, 2};
    palette.AddToHistory();
    palette.StepPrevious();
    const size_t applied = drawing.changes.size();
    EXPECT_TRUE(palette.ClearHistory());
    EXPECT_EQ(palette.History().Count(), 1);
    EXPECT_EQ(palette.History().Entry(0), (HsvColor{0, 255, 255}));
    EXPECT_EQ(drawing.changes.size(), applied);
    EXPECT_FALSE(palette.ClearHistory());
}

} // namespace
