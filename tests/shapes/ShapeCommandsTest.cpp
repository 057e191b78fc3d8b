#include "shapes/ShapeCommands.h"

#include "color/RandomGenerator.h"
#include "shapes/ColorPalette.h"
#include "shapes/ShapeFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr HsvColor kA{100, 10, 20};
constexpr HsvColor kB{200, 30, 40};

class ShapeCommandsTest : public ::testing::Test
{
protected:
    ShapeCommandsTest()
    {
        // families a (all sizes), b (medium only), c (small and large)
        FillTable(shapes, {"a_0", "a_1", "a_2", "b_1", "c_0", "c_2"});
    }

    ShapeTable shapes;
    FakeDrawing drawing;
    ColorPalette palette{shapes, &drawing};
    RandomGenerator random{7};
};

TEST_F(ShapeCommandsTest, DragFromOneShapeToAnotherCopiesTheColour)
{
    shapes.Shape(1).SetColorLater(kA);
    shapes.Shape(3).SetColorLater(kB);
    ShapeCommands::SelectShape(palette, 0); // press on a_1
    const int pressed = shapes.CurrentIndex();
    ShapeCommands::SelectShape(palette, 1); // release on b_1
    ShapeCommands::FinishPress(palette, pressed);
    EXPECT_EQ(shapes.Shape(3).Color(), kA);
    ASSERT_EQ(drawing.changes.size(), 1u);
    EXPECT_EQ(drawing.changes[0].shape, 3);
    EXPECT_EQ(drawing.changes[0].color, kA);
    EXPECT_EQ(palette.History().CurrentEntry(), kA);

    ShapeCommands::SelectShape(palette, 1); // press and release on b_1
    ShapeCommands::FinishPress(palette, shapes.CurrentIndex());
    EXPECT_EQ(drawing.changes.size(), 1u);
    EXPECT_EQ(palette.History().Count(), 2);
}

TEST_F(ShapeCommandsTest, SizeItemsFollowTheFamily)
{
    shapes.SetCurrentIndex(3); // b_1
    EXPECT_FALSE(ShapeCommands::FamilyHasSize(shapes, 0));
    EXPECT_TRUE(ShapeCommands::FamilyHasSize(shapes, 1));
    EXPECT_EQ(ShapeCommands::CurrentSize(shapes), 1);
    shapes.SetCurrentIndex(4); // c_0
    EXPECT_FALSE(ShapeCommands::FamilyHasSize(shapes, 1));

    shapes.Shape(4).SetColorLater(kB);
    ShapeCommands::SelectSize(shapes, 2);
    EXPECT_EQ(shapes.CurrentIndex(), 5);
    EXPECT_TRUE(shapes.Shape(5).activeSize);
    EXPECT_FALSE(shapes.Shape(4).activeSize);
    EXPECT_EQ(shapes.Shape(5).Color(), kB);
    EXPECT_TRUE(shapes.Shape(5).RecolorPending());
}

TEST_F(ShapeCommandsTest, AllThisSizeSkipsFamiliesWithoutIt)
{
    shapes.SelectShapeSize('c', 0);
    shapes.Shape(1).SetColorLater(kA);
    ShapeCommands::SelectSize(shapes, 2);
    ShapeCommands::AllThisSize(shapes); // current a_2; b has no large, c goes to c_2
    EXPECT_TRUE(shapes.Shape(3).activeSize);
    EXPECT_TRUE(shapes.Shape(5).activeSize);
    EXPECT_FALSE(shapes.Shape(4).activeSize);
    EXPECT_EQ(shapes.CurrentIndex(), 2);
    EXPECT_TRUE(drawing.changes.empty());
}

TEST_F(ShapeCommandsTest, AllThisColorLeavesCurrentShapeColoursWindowAndDrawingAlone)
{
    shapes.Current().SetColorLater(kA);
    for (int i = 0; i < shapes.Count(); ++i)
        shapes.Shape(i).RefreshColored();
    const HsvColor shown = palette.current;
    ShapeCommands::AllThisColor(shapes);
    EXPECT_EQ(shapes.Shape(3).Color(), kA);
    EXPECT_TRUE(shapes.Shape(3).RecolorPending());
    EXPECT_FALSE(shapes.Current().RecolorPending());
    EXPECT_NE(shapes.Shape(0).Color(), kA); // not displayed
    EXPECT_EQ(palette.current, shown);
    EXPECT_TRUE(drawing.changes.empty());
    EXPECT_EQ(palette.History().Count(), 1);
}

TEST_F(ShapeCommandsTest, HistoryColoursGoRoundInTurn)
{
    palette.current = kA;
    palette.AddToHistory(); // history: red, kA
    shapes.SetCurrentIndex(4); // third displayed shape (after setting c small)
    shapes.SelectShapeSize('c', 0);
    ShapeCommands::AllHistoryColors(palette);
    EXPECT_EQ(shapes.Shape(1).Color(), palette.History().Entry(0));
    EXPECT_EQ(shapes.Shape(3).Color(), kA);
    EXPECT_EQ(shapes.Shape(4).Color(), palette.History().Entry(0));
    EXPECT_EQ(palette.History().CurrentIndex(), 0);
    EXPECT_EQ(palette.current, palette.History().Entry(0));
    EXPECT_EQ(palette.History().Count(), 2);
}

TEST_F(ShapeCommandsTest, RandomColoursApplyAndRecord)
{
    ShapeCommands::RandomColor(palette, random);
    EXPECT_EQ(palette.current, shapes.Current().Color());
    EXPECT_EQ(palette.History().Count(), 2);
    EXPECT_EQ(drawing.changes.size(), 1u);

    ShapeCommands::RandomHistoryColor(palette, random);
    EXPECT_EQ(palette.History().Count(), 2);
    EXPECT_EQ(palette.current, palette.History().CurrentEntry());

    ShapeCommands::AllRandomColors(palette, random);
    EXPECT_NE(shapes.Shape(3).Color(), shapes.Shape(1).Color());
    EXPECT_EQ(palette.History().CurrentEntry(), shapes.Current().Color());
}

} // namespace
