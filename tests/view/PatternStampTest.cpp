#include "SessionFixture.h"

#include "view/GlobTransfers.h"
#include "view/PatternModeCommand.h"
#include "view/UndoState.h"

#include <gtest/gtest.h>

namespace {

void ColoredStroke(SessionFixture& f, int y, std::int16_t hue, int x = 10)
{
    f.shapes.Current().SetColor(HsvColor{hue, 255, 255});
    f.Stroke({{x, y}, {x + 4, y}, {x + 8, y}});
}

// One click in pattern mode: press, a drag that must lay nothing, release.
void Stamp(SessionFixture& f, QPoint at)
{
    f.modes.patternMode = true;
    EXPECT_FALSE(f.session->Strokes().Press(at, {})); // no capture
    f.session->Strokes().Move(at + QPoint(5, 5), {});
    f.session->Strokes().Release();
    f.Canvas().Paint({});
}

std::vector<CGlob> Tail(const SessionFixture& f, int from)
{
    const std::vector<CGlob>& globs = f.doc.Records().Globs();
    return std::vector<CGlob>(globs.begin() + from, globs.end());
}

QImage FullReplay(SessionFixture& f)
{
    DrawingCanvas fresh(f.doc, f.shapes);
    fresh.SetHistoryPosition(f.Canvas().HistoryPosition());
    fresh.Paint({});
    return fresh.DrawingImage();
}

TEST(PatternStamp, AtTheCentreTheLastSectionLiesOverItsSourceAndFurtherRightMovesWithTheClick)
{
    struct Case
    {
        QPoint click;
        int dx;
    };
    for (const Case& c : {Case{{0, 0}, 0}, Case{{100, 0}, 100}}) {
        SCOPED_TRACE(c.dx);
        SessionFixture f;
        ColoredStroke(f, 10, 0);
        ColoredStroke(f, 20, 120);
        f.session->Transfers().DefinePattern(f.transfers.pattern, RunRange::LastSectionOnly);
        f.shapes.Current().SetColor(HsvColor{240, 255, 255}); // the stamp keeps the pattern's own colour
        const QImage before = f.Canvas().DrawingImage();
        Stamp(f, f.session->Centre() + c.click);
        std::vector<CGlob> expected;
        for (const CGlob& g : f.transfers.pattern.Globs())
            expected.emplace_back(g.x + c.dx, g.y, g.shape);
        EXPECT_EQ(Tail(f, 6), expected);
        EXPECT_EQ(f.Canvas().HistoryPosition(), 9);
        EXPECT_EQ(f.doc.UndoState(), UndoDrawing);
        EXPECT_TRUE(f.doc.Records().IsSectionBoundary(9));
        EXPECT_EQ(f.Canvas().DrawingImage(), FullReplay(f));
        if (c.dx == 0) {
            EXPECT_EQ(f.Canvas().DrawingImage(), before);
        } else {
            EXPECT_EQ(f.Canvas().DrawingImage().pixel(110, 20), before.pixel(10, 20));
        }
        EXPECT_EQ(f.shapes.Current().Color(), (HsvColor{240, 255, 255}));
    }
}

TEST(PatternStamp, MirroredCopiesFollowEachPatternGlobAndItsColourIsSetAtTheFirst)
{
    for (bool polar : {false, true}) {
        SCOPED_TRACE(polar);
        SessionFixture f;
        // Near the centre, so every polar copy stays on the drawing.
        ColoredStroke(f, 40, 0, 85);
        f.shapes.SetCurrentIndex(1);
        ColoredStroke(f, 55, 120, 85);
        f.session->Transfers().DefinePattern(f.transfers.pattern, RunRange::EntireDrawing);
        f.modes.symmetry.polar = polar;
        f.modes.symmetry.polarCount = 4;
        f.modes.symmetry.mirrorHorizontal = !polar;
        const int copies = polar ? 4 : 2;
        Stamp(f, f.session->Centre());
        ASSERT_EQ(f.doc.Records().GlobCount(), 6 + 6 * copies);
        for (int i = 0; i < 6; ++i) {
            const CGlob& source = f.transfers.pattern.Globs()[size_t(i)];
            const int first = 6 + i * copies;
            for (int k = 0; k < copies; ++k)
                EXPECT_EQ(f.doc.Records().GetGlob(first + k).shape, source.shape);
            if (!polar) {
                EXPECT_EQ(f.doc.Records().GetGlob(first), source);
            }
        }
        int position = 0;
        ASSERT_TRUE(f.doc.Records().FindColorChange(6 + 3 * copies, position)); // the second shape's colour
        EXPECT_EQ(f.doc.Records().GetColorChange(position)->hue, 120);
        EXPECT_FALSE(f.doc.Records().FindColorChange(6 + 3 * copies + 1, position));
        EXPECT_EQ(f.Canvas().DrawingImage(), FullReplay(f));
    }
}

TEST(PatternStamp, OnAnEmptyDrawingTheStampBeginsWithThePatternsFirstColour)
{
    SessionFixture source;
    ColoredStroke(source, 10, 120);
    source.session->Transfers().DefinePattern(source.transfers.pattern, RunRange::EntireDrawing);
    SessionFixture f;
    f.transfers.pattern = source.transfers.pattern;
    f.shapes.Current().SetColor(HsvColor{0, 255, 255});
    Stamp(f, f.session->Centre());
    ASSERT_EQ(f.doc.Records().GlobCount(), 3);
    ASSERT_GE(f.doc.Records().ColorChangeCount(), 1);
    EXPECT_EQ(f.doc.Records().GetColorChange(0)->globIndex, 0);
    EXPECT_EQ(f.doc.Records().GetColorChange(0)->hue, 120);
    EXPECT_EQ(f.Canvas().DrawingImage(), FullReplay(f));
}

TEST(PatternStamp, UseNewColoursStampsInTheShapesColourOfTheMoment)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    f.session->Transfers().DefinePattern(f.transfers.pattern, RunRange::EntireDrawing);
    f.transfers.patternColors = RunColors::UseNew;
    f.shapes.Current().SetColor(HsvColor{120, 255, 255});
    Stamp(f, f.session->Centre() + QPoint(0, 20));
    EXPECT_EQ(f.Canvas().DrawingImage().pixel(10, 30), qRgb(0, 255, 0));
    EXPECT_EQ(f.Canvas().DrawingImage().pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(f.Canvas().DrawingImage(), FullReplay(f));
}

TEST(PatternModeCommand, OnSwitchesLinesAndJitterOffAndCtrlTogglesWithoutTheDialog)
{
    DrawingModes modes;
    modes.lines = true;
    modes.jitter = true;
    RunColors colors = RunColors::Preserve;
    int asked = 0;
    const PatternDialog dialog = [&](bool& on, RunColors& c) {
        ++asked;
        on = true;
        c = RunColors::UseNew;
        return true;
    };
    const ModeEffects on = PatternCommand(modes, colors, CtrlKey::Up, dialog);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(modes.patternMode);
    EXPECT_EQ(colors, RunColors::UseNew);
    EXPECT_FALSE(modes.lines);
    EXPECT_FALSE(modes.jitter);
    EXPECT_TRUE(on.updateCursor);
    EXPECT_TRUE(on.repaintRubberBand);

    PatternCommand(modes, colors, CtrlKey::Held, dialog);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(modes.patternMode);
    EXPECT_FALSE(modes.lines); // off leaves them off
    EXPECT_FALSE(modes.jitter);
    PatternCommand(modes, colors, CtrlKey::Held, dialog);
    EXPECT_TRUE(modes.patternMode);
}

} // namespace
