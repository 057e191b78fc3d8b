#include "SessionFixture.h"

#include <gtest/gtest.h>

namespace {

std::vector<QPoint> GlobPoints(const CDaubrixDoc& doc)
{
    std::vector<QPoint> out;
    for (const CGlob& g : doc.Records().Globs())
        out.emplace_back(g.x, g.y);
    return out;
}

TEST(StrokeEngine, SkippingPlacesEverySecondMoveButAlwaysThePress)
{
    SessionFixture f;
    f.modes.skipping = true;
    f.modes.skipValue = 1;
    f.session->Strokes().Press({10, 10}, {});
    for (int i = 1; i <= 6; ++i)
        f.session->Strokes().Move({10 + i, 10}, {});
    f.session->Strokes().Release();
    const std::vector<QPoint> expected{{10, 10}, {12, 10}, {14, 10}, {16, 10}};
    EXPECT_EQ(GlobPoints(f.doc), expected);
}

TEST(StrokeEngine, JitterWalksWithinItsSpreadAndAddsGlobsByAmount)
{
    const std::pair<int, int> rows[] = {{1, 1}, {2, 1}, {3, 2}, {5, 3}, {8, 4}};
    for (auto [amount, globs] : rows) {
        SessionFixture f;
        f.modes.jitter = true;
        f.modes.jitterAmount = amount;
        const int added = f.session->Strokes().PlaceGlobs(100, 50, false, -1);
        EXPECT_EQ(added, globs) << "amount " << amount;
        const int spread = 3 * amount;
        QPoint last(100, 50);
        for (QPoint p : GlobPoints(f.doc)) {
            EXPECT_LT(std::abs(p.x() - last.x()), spread);
            EXPECT_LT(std::abs(p.y() - last.y()), spread);
            last = p; // each glob steps from the one before
        }
    }
}

TEST(StrokeEngine, JitterDrawsFourValuesPerGlobInOrder)
{
    SessionFixture f;
    f.modes.jitter = true;
    f.modes.jitterAmount = 1;
    RandomGenerator mirror(7);
    const int r1 = mirror.Next(), r2 = mirror.Next(), r3 = mirror.Next(), r4 = mirror.Next();
    f.session->Strokes().PlaceGlobs(100, 50, false, -1);
    EXPECT_EQ(GlobPoints(f.doc).front(), QPoint(100 + r1 % 3 - r2 % 3, 50 + r3 % 3 - r4 % 3));
}

TEST(StrokeEngine, LinesRowsAreSpacedByDensity)
{
    SessionFixture f;
    f.modes.lines = true;
    f.modes.lineDensity = 4;
    StrokeEngine& strokes = f.session->Strokes();
    strokes.Press({50, 50}, {}); // sets the anchor, draws nothing
    strokes.Release();
    EXPECT_EQ(f.doc.Records().GlobCount(), 0);
    strokes.Press({50, 50}, {}); // on the anchor: nothing
    strokes.Release();
    EXPECT_EQ(f.doc.Records().GlobCount(), 0);
    strokes.Press({60, 50}, {});
    strokes.Release();
    const std::vector<QPoint> expected{{50, 50}, {56, 50}};
    EXPECT_EQ(GlobPoints(f.doc), expected);
    EXPECT_EQ(strokes.Anchor(), QPoint(60, 50));
    // Ctrl+click moves the anchor without drawing.
    strokes.Press({10, 10}, {false, true});
    strokes.Release();
    EXPECT_EQ(f.doc.Records().GlobCount(), 2);
    EXPECT_EQ(strokes.Anchor(), QPoint(10, 10));
}

TEST(StrokeEngine, LinesDiagonalStepsAreTruncatedFloats)
{
    SessionFixture f;
    f.modes.lines = true;
    f.modes.lineDensity = 5; // 4.8 pixels a step
    f.session->Strokes().LinesClick({0, 0}, false);
    f.session->Strokes().LinesClick({10, -20}, false); // y-major, upwards
    const std::vector<QPoint> expected{{0, 0}, {2, -4}, {4, -9}, {7, -14}, {9, -19}};
    EXPECT_EQ(GlobPoints(f.doc), expected);
}

// The minor step is |q| x 24 / density with the product first: at density 5 the other order
// puts glob 47 of this row one pixel to the right.
TEST(StrokeEngine, LinesMinorStepMultipliesBeforeDividing)
{
    SessionFixture f;
    f.doc.NewDrawing(640, 600);
    f.modes.lines = true;
    f.modes.lineDensity = 5;
    f.session->Strokes().LinesClick({500, 500}, false);
    f.session->Strokes().LinesClick({223, 201}, false);
    const std::vector<QPoint> globs = GlobPoints(f.doc);
    ASSERT_GT(globs.size(), 47u);
    EXPECT_EQ(globs[47], QPoint(291, 274));
}

TEST(StrokeEngine, PressFarOutsideIsIgnoredUnlessShiftIsHeld)
{
    SessionFixture f;
    EXPECT_FALSE(f.session->Strokes().Press({-21, 10}, {}));
    f.session->Strokes().Release();
    EXPECT_EQ(f.doc.Records().GlobCount(), 0);
    EXPECT_EQ(f.doc.Records().CurrentSections().count, 0);
    EXPECT_TRUE(f.session->Strokes().Press({-21, 10}, {true, false}));
}

TEST(StrokeEngine, DriftRecordsColorChangesAndRecolorsTheShape)
{
    SessionFixture f;
    f.autoChange.Channel(AutoChannel::Hue).mode = AutoUp;
    f.autoChange.Channel(AutoChannel::Hue).speed = 10;
    f.autoChange.StartAutoChange(AutoChannel::Hue, f.shapes.Current().Color(), f.random);
    f.session->Strokes().Press({10, 10}, {});
    for (int i = 1; i <= 11; ++i)
        f.session->Strokes().Move({10 + i, 10}, {});
    f.session->Strokes().Release();
    // Placements 6 and 12 fired. The change lands at the history position, which still
    // stands before the glob just placed, so that glob already shows the new colour, live
    // and when the drawing is replayed.
    EXPECT_EQ(f.doc.Records().ColorChangeCount(), 3);
    EXPECT_EQ(f.doc.Records().GetColorChange(1)->globIndex, 5);
    EXPECT_EQ(f.doc.Records().GetColorChange(2)->globIndex, 11);
    EXPECT_EQ(f.shapes.Current().Color().hue, 10);
}

TEST(StrokeEngine, ChangingShapeBetweenStrokesRecordsItsColor)
{
    SessionFixture f;
    f.Stroke({{10, 10}, {11, 10}});
    f.shapes.SetCurrentIndex(1);
    f.shapes.Current().SetColorLater(HsvColor{120, 255, 255});
    f.Stroke({{20, 10}});
    ASSERT_EQ(f.doc.Records().ColorChangeCount(), 2);
    EXPECT_EQ(f.doc.Records().GetColorChange(1)->globIndex, 2);
    EXPECT_EQ(f.doc.Records().GetColorChange(1)->hue, 120);
}

} // namespace
