#include "shapes/ShapesGrid.h"

#include "shapes/ShapeFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(ShapesGrid, FiveShapesInTwoColumnsMakeThreeRows)
{
    ShapesGrid grid;
    grid.Resize(5, 68, 68);
    EXPECT_EQ(grid.Columns(), 2);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.VisibleRows(), 2);
    EXPECT_TRUE(grid.NeedsScrollBar());
    EXPECT_TRUE(grid.LineDown());
    EXPECT_FALSE(grid.LineDown());
    EXPECT_EQ(grid.FirstRow(), 1);
    EXPECT_EQ(grid.CentreY(4), 17 + 34); // the fifth shape is in view
    EXPECT_TRUE(grid.LineUp());
    EXPECT_FALSE(grid.LineUp());
}

TEST(ShapesGrid, ScrollingStaysInsideTheGrid)
{
    ShapesGrid grid;
    grid.Resize(20, 68, 102); // 10 rows, 3 visible
    EXPECT_TRUE(grid.PageDown());
    EXPECT_EQ(grid.FirstRow(), 3);
    grid.ThumbReleased(34 * 9 + 20);
    EXPECT_EQ(grid.FirstRow(), 7);
    grid.PageDown();
    EXPECT_EQ(grid.FirstRow(), 7);
    grid.PageUp();
    grid.PageUp();
    grid.PageUp();
    EXPECT_EQ(grid.FirstRow(), 0);
    EXPECT_FALSE(grid.ShowRow(2));
    EXPECT_TRUE(grid.ShowRow(3)); // the first hidden row
    EXPECT_EQ(grid.FirstRow(), 3);
    EXPECT_TRUE(grid.ShowRow(9));
    EXPECT_EQ(grid.FirstRow(), 7); // the last row, at the bottom of the last page
    grid.Resize(20, 68 * 3, 34 * 10); // everything fits: back to the top
    EXPECT_FALSE(grid.NeedsScrollBar());
    EXPECT_EQ(grid.FirstRow(), 0);
}

TEST(ShapesGrid, NarrowWindowStillHoldsOneCellPerRow)
{
    ShapesGrid grid;
    grid.Resize(3, 20, 200);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.PositionAt(15, 40, 3), 1);
    EXPECT_EQ(grid.CentreX(2), 17);
}

TEST(ShapesGrid, ClicksClampIntoTheGrid)
{
    ShapesGrid grid;
    grid.Resize(5, 68, 200);
    EXPECT_EQ(grid.PositionAt(40, 40, 5), 3);
    EXPECT_EQ(grid.PositionAt(300, 0, 5), 1);
    EXPECT_EQ(grid.PositionAt(-5, -5, 5), 0);
    EXPECT_EQ(grid.PositionAt(0, 190, 5), 4);
}

TEST(ShapesGrid, ClickBelowTheLastShapeSelectsTheLastDisplayed)
{
    ShapeTable table;
    FillTable(table, {"a_0", "a_1", "b_1", "c_1", "d_1", "d_2"});
    // displayed: a_1, b_1, c_1, d_1; the last table entry d_2 is not shown.
    ShapesGrid grid;
    grid.Resize(4, 68, 200);
    const int n = grid.PositionAt(50, 150, table.Count());
    EXPECT_EQ(SelectDisplayedPosition(table, n), 4);
    EXPECT_EQ(SelectDisplayedPosition(table, 1), 2);
    table.SelectShapeSize('d', 2);
    EXPECT_EQ(SelectDisplayedPosition(table, 5), 5);
}

} // namespace
