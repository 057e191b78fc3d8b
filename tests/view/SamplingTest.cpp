#include "FakePalettes.h"
#include "SessionFixture.h"

#include <gtest/gtest.h>

#include "color/ColorConversion.h"
#include "view/Sampling.h"

namespace {

// The session fixture with palettes that record what sampling gives them.
struct SamplingFixture : SessionFixture
{
    SamplingFixture()
    {
        session = std::make_unique<DrawingSession>(
            doc, DrawingTools{shapes, modes, autoChange, random, &palettes, &oneShot});
        session->InitialUpdate();
        session->Canvas().Paint({});
    }

    // A sampling click: press and release.
    void Click(QPoint p)
    {
        SamplePress(*session, p);
        session->Strokes().Release();
        session->Canvas().Paint({});
    }

    FakePalettes palettes;
};

TEST(Sampling, TheLatestGlobStrictlyWithinEightPixelsIsHit)
{
    SamplingFixture f;
    f.Stroke({{50, 50}});
    f.Stroke({{62, 50}});
    struct Row { QPoint p; int expected; };
    const Row rows[] = {
        {{56, 50}, 1}, // within 7 of both: the later one
        {{50, 50}, 0}, {{57, 56}, 1}, {{42, 50}, -1}, // exactly 8 away: no hit
        {{43, 57}, 0}, {{70, 50}, -1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(HitGlob(f.doc.Records(), 2, r.p), r.expected) << r.p.x() << "," << r.p.y();
    EXPECT_EQ(HitGlob(f.doc.Records(), 1, {56, 50}), 0) << "globs beyond the history position hide";
}

TEST(Sampling, SampleColourTakesTheColourInEffectAtTheGlobOrThePixelOnScreen)
{
    SamplingFixture f;
    f.shapes.Current().SetColor({120, 200, 180});
    f.Stroke({{50, 50}});
    f.shapes.Current().SetColor({240, 100, 220});
    f.Stroke({{100, 50}});
    f.session->SetBackgroundColor({240, 255, 255});
    f.Canvas().Paint({});
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(qRgb(0, 255, 0));
    f.Canvas().SetBackground(picture, {150, 60});
    f.doc.SetBackgroundImage(true);
    f.Canvas().Regenerate();
    f.Canvas().Paint({});

    struct Row { QPoint p; HsvColor expected; };
    const Row rows[] = {
        {{52, 48}, {120, 200, 180}},
        {{99, 53}, {240, 100, 220}},
        {{10, 10}, {240, 255, 255}},  // the paper
        {{155, 65}, {120, 255, 255}}, // the background picture's green
    };
    for (const Row& r : rows) {
        f.oneShot.sampleColour = true;
        f.Click(r.p);
        ASSERT_FALSE(f.palettes.sampled.empty());
        EXPECT_EQ(f.palettes.sampled.back(), r.expected) << r.p.x() << "," << r.p.y();
        EXPECT_FALSE(f.oneShot.sampleColour) << "the release ends the mode";
    }
    EXPECT_EQ(f.doc.Records().GlobCount(), 2) << "sampling draws nothing";
    EXPECT_EQ(f.doc.Records().CurrentSections().count, 2) << "and starts no section";
}

TEST(Sampling, SampleShapeMakesTheGlobsShapeCurrentAndRecordsItsColour)
{
    SamplingFixture f;
    f.shapes.SetCurrentIndex(1);
    f.shapes.Current().SetColor({200, 50, 60});
    f.Stroke({{50, 50}});
    f.shapes.SetCurrentIndex(0);
    f.shapes.Current().SetColor({10, 20, 30});
    f.Stroke({{100, 50}});
    const int records = f.doc.Records().ColorChangeCount();

    f.oneShot.sampleShape = true;
    f.Click({104, 46});
    EXPECT_EQ(f.shapes.CurrentIndex(), 0);
    EXPECT_EQ(f.doc.Records().ColorChangeCount(), records) << "the colour in effect is already its colour";

    f.oneShot.sampleShape = true;
    f.Click({50, 50});
    EXPECT_EQ(f.shapes.CurrentIndex(), 1);
    EXPECT_EQ(f.shapes.Current().Color(), (HsvColor{200, 50, 60}));
    EXPECT_EQ(f.palettes.chosenShapes, 2);
    const CColorChange* last = f.doc.Records().GetColorChange(f.doc.Records().ColorChangeCount() - 1);
    EXPECT_EQ(last->globIndex, 2);
    EXPECT_EQ(last->Color(), (HsvColor{200, 50, 60}));

    f.oneShot.sampleShape = true;
    f.Click({10, 90}); // nothing there
    EXPECT_EQ(f.shapes.CurrentIndex(), 1);
    EXPECT_FALSE(f.oneShot.sampleShape);
}

TEST(Sampling, TheSamplingModesExcludeEachOtherAndLendLinesBackOnlyAfterAClick)
{
    SamplingFixture f;
    f.modes.lines = true;
    SampleColorCommand(f.modes, f.oneShot);
    EXPECT_TRUE(f.oneShot.sampleColour);
    EXPECT_FALSE(f.modes.lines);
    SampleShapeCommand(f.modes, f.oneShot);
    EXPECT_TRUE(f.oneShot.sampleShape);
    EXPECT_FALSE(f.oneShot.sampleColour);
    EXPECT_TRUE(f.modes.savedLines) << "switching modes keeps the Lines state first put aside";
    f.Stroke({{30, 30}});
    f.Click({30, 30});
    EXPECT_TRUE(f.modes.lines) << "the click brings Lines back";

    SampleColorCommand(f.modes, f.oneShot);
    SampleColorCommand(f.modes, f.oneShot);
    EXPECT_FALSE(f.oneShot.AnyOn());
    EXPECT_FALSE(f.modes.lines) << "the command switching its own mode off leaves Lines off";
}

} // namespace
