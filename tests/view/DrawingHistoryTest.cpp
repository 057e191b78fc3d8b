#include "SessionFixture.h"

#include "view/StatusSink.h"
#include "view/UndoState.h"

#include <gtest/gtest.h>

namespace {

void Strokes(SessionFixture& f, int count, int globsEach = 2)
{
    for (int s = 0; s < count; ++s) {
        const int y = 5 + 7 * (s % 12);
        f.session->Strokes().Press({10, y}, {});
        for (int g = 1; g < globsEach; ++g)
            f.session->Strokes().Move({10 + 4 * g, y}, {});
        f.session->Strokes().Release();
        f.Canvas().Paint({});
    }
}

int Count(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

TEST(DrawingHistory, ElevenStrokesKeepTenBoundaries)
{
    SessionFixture f;
    Strokes(f, 11);
    const Sections& sec = f.doc.Records().CurrentSections();
    EXPECT_EQ(sec.count, 10);
    EXPECT_EQ(sec.base, 2); // the first stroke's end
    EXPECT_EQ(sec.boundaries[0], 4);
    EXPECT_EQ(sec.boundaries[9], 22);
    EXPECT_EQ(f.session->Slider().Minimum(), 2);
    EXPECT_EQ(f.session->Slider().Maximum(), 22);
    EXPECT_EQ(f.session->Slider().Ticks().size(), 9u); // every boundary but the largest
}

TEST(DrawingHistory, UndoStepsBackOneStrokeAndRedoReturns)
{
    SessionFixture f;
    Strokes(f, 2);
    const QImage twoStrokes = f.Canvas().DrawingImage();
    f.session->History().Undo();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), 2);
    EXPECT_EQ(f.doc.UndoState(), RedoDrawing);
    EXPECT_EQ(UndoLabel(f.doc.UndoState()), QStringLiteral("&Redo Drawing\tCtrl+Z"));
    EXPECT_NE(f.Canvas().DrawingImage(), twoStrokes);
    f.session->History().Undo();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), 4);
    EXPECT_EQ(f.Canvas().DrawingImage(), twoStrokes);
    EXPECT_EQ(f.doc.Records().GlobCount(), 4);
}

TEST(DrawingHistory, MovingTheSliderDisablesUndoOfDrawing)
{
    SessionFixture f;
    Strokes(f, 2);
    f.session->History().SnapWhileDragging(3);
    EXPECT_FALSE(f.session->History().CanUndo());
}

TEST(DrawingHistory, ClearThenUndoRestoresEverything)
{
    SessionFixture f;
    Strokes(f, 3);
    const QImage before = f.Canvas().DrawingImage();
    const auto ticks = f.session->Slider().Ticks();
    f.session->History().Clear();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), 0);
    EXPECT_EQ(f.session->Slider().Maximum(), 0);
    EXPECT_EQ(f.doc.Records().GlobCount(), 6); // still there until the next stroke
    QImage blank(before.size(), QImage::Format_RGB32);
    blank.fill(Qt::black);
    EXPECT_EQ(f.Canvas().DrawingImage(), blank);

    f.session->History().Undo();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), 6);
    EXPECT_EQ(f.session->Slider().Minimum(), 0);
    EXPECT_EQ(f.session->Slider().Maximum(), 6);
    EXPECT_EQ(f.session->Slider().Position(), 6);
    EXPECT_EQ(f.doc.Records().CurrentSections().count, 3);
    EXPECT_EQ(f.session->Slider().Ticks().size(), ticks.size() + 1); // undo ticks every boundary
    EXPECT_EQ(f.Canvas().DrawingImage(), before);
}

TEST(DrawingHistory, ClearThenAStrokeDeletesForGood)
{
    SessionFixture f;
    Strokes(f, 3);
    f.session->History().Clear();
    Strokes(f, 1);
    EXPECT_EQ(f.doc.Records().GlobCount(), 2);
    EXPECT_EQ(f.doc.Records().CurrentSections().count, 1);
    EXPECT_EQ(f.doc.UndoState(), UndoDrawing);
}

TEST(DrawingHistory, SliderBackThenDrawTruncates)
{
    SessionFixture f;
    Strokes(f, 4); // boundaries 2 4 6 8
    f.session->History().ReleaseSlider(f.session->History().SnapWhileDragging(4));
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), 4);
    Strokes(f, 1);
    EXPECT_EQ(f.doc.Records().GlobCount(), 6);
    const Sections& sec = f.doc.Records().CurrentSections();
    // The boundaries beyond the position went; 4 is not kept twice.
    ASSERT_EQ(sec.count, 3);
    EXPECT_EQ(sec.boundaries[0], 2);
    EXPECT_EQ(sec.boundaries[1], 4);
    EXPECT_EQ(sec.boundaries[2], 6);
}

TEST(DrawingHistory, SliderForwardPaintsOnTopAndSnaps)
{
    SessionFixture f;
    Strokes(f, 4);
    const QImage full = f.Canvas().DrawingImage();
    f.session->History().PreviousSection();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), 6);
    f.session->History().PreviousSection();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), 4);
    f.session->History().NextSection();
    f.Canvas().Paint({});
    f.session->History().NextSection();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), 8);
    EXPECT_EQ(f.Canvas().DrawingImage(), full);
    // Up to 9 globs the thumb does not snap.
    EXPECT_EQ(f.session->History().SnapWhileDragging(7), 7);
}

TEST(DrawingHistory, ThumbSnapsWithinFiveGlobsOfABoundary)
{
    SessionFixture f;
    Strokes(f, 4, 3); // boundaries 3 6 9 12
    EXPECT_EQ(f.session->History().SnapWhileDragging(8), 6); // |3 - 8| is not below 5
    EXPECT_EQ(f.session->History().SnapWhileDragging(1), 3);
}

TEST(DrawingHistory, MoveCenterUndoSwapsCentres)
{
    SessionFixture f;
    const QPoint reset = f.session->Centre();
    f.session->MoveCentre(QPoint(3, 4));
    f.session->History().Undo();
    EXPECT_EQ(f.session->Centre(), reset);
    f.session->History().Undo();
    EXPECT_EQ(f.session->Centre(), QPoint(3, 4));
}

// A colour chosen while a Clear can be undone belongs to what comes after the clear: Undo
// brings the drawing back in its own colours.
TEST(DrawingHistory, ColorAppliedAfterClearLeavesTheUndoneDrawingAlone)
{
    SessionFixture f;
    f.shapes.Current().Recolor(0, 255, 191);
    f.shapes.Current().SetColorLater(HsvColor{0, 255, 191});
    f.session->ApplyCurrentColor(f.shapes.Current().Color());
    Strokes(f, 2);
    const QImage before = f.Canvas().DrawingImage();
    ASSERT_GT(Count(before, qRgb(191, 0, 0)), 0);
    f.session->History().Clear();
    f.Canvas().Paint({});
    f.session->ApplyCurrentColor(HsvColor{120, 255, 191});
    f.session->History().Undo();
    f.Canvas().Paint({});
    EXPECT_EQ(Count(f.Canvas().DrawingImage(), qRgb(0, 191, 0)), 0);
    EXPECT_EQ(f.Canvas().DrawingImage(), before);
}

// Whatever moved the history position below the undo base, Undo and the section buttons show
// exactly the globs below the position, as Regenerate would.
TEST(DrawingHistory, UndoAfterMovesBelowTheUndoBaseShowsTheGlobsBelowThePosition)
{
    const auto regenerated = [](SessionFixture& f) {
        f.Canvas().Regenerate();
        f.Canvas().Paint({});
        return f.Canvas().DrawingImage();
    };
    {
        SCOPED_TRACE("section buttons end the undo of a stroke");
        SessionFixture f;
        Strokes(f, 3);
        f.session->History().PreviousSection();
        f.Canvas().Paint({});
        EXPECT_FALSE(f.session->History().CanUndo());
        f.session->History().NextSection();
        EXPECT_FALSE(f.session->History().CanUndo());
    }
    {
        SCOPED_TRACE("a Lines Ctrl+click draws nothing, then Undo");
        SessionFixture f;
        f.doc.SetBackgroundColor(MakeRgb(0, 0, 40));
        Strokes(f, 1);
        f.modes.lines = true;
        for (QPoint p : {QPoint(20, 60), QPoint(60, 60)}) {
            f.session->Strokes().Press(p, {});
            f.session->Strokes().Release();
            f.Canvas().Paint({});
        }
        f.session->Strokes().Press({90, 20}, {false, true}); // moves the anchor only
        f.session->Strokes().Release();
        f.Canvas().Paint({});
        ASSERT_EQ(f.doc.UndoState(), UndoDrawing);
        f.session->History().Undo();
        f.Canvas().Paint({});
        ASSERT_LT(f.Canvas().HistoryPosition(), f.Canvas().UndoBase());
        const QImage shown = f.Canvas().DrawingImage();
        EXPECT_EQ(shown, regenerated(f));
        // The first stroke is still there.
        EXPECT_LT(Count(shown, qRgb(0, 0, 40)), shown.width() * shown.height());
    }
}

TEST(DrawingHistory, TruncatingHiddenGlobsShowsTheWaitCursor)
{
    struct Recorder : StatusSink
    {
        void SetWaitCursor(bool waiting) override { calls.push_back(waiting); }
        std::vector<bool> calls;
    } status;
    SessionFixture f;
    Strokes(f, 2);
    f.session->SetStatusSink(&status);
    f.session->History().TruncateHistory(); // nothing hidden: nothing to wait for
    EXPECT_TRUE(status.calls.empty());
    f.session->History().ReleaseSlider(2);
    f.session->History().TruncateHistory();
    EXPECT_EQ(status.calls, std::vector<bool>({true, false}));
    EXPECT_EQ(f.doc.Records().GlobCount(), 2);
}

} // namespace

// Globs added from outside a stroke (an import) make one section; stopped part-way they
// stay as the redo tail, and the redo tail of an earlier Undo goes when they begin.
TEST(DrawingHistory, AddedGlobsAreOneSectionAndAStoppedAddHidesThem)
{
    SessionFixture f;
    f.Stroke({{10, 10}, {20, 10}});
    const int stroke = f.doc.Records().GlobCount();
    f.Stroke({{40, 40}});
    f.session->History().Undo(); // the second stroke becomes the redo tail
    ASSERT_EQ(f.Canvas().HistoryPosition(), stroke);

    f.session->BeginAddingGlobs();
    EXPECT_EQ(f.doc.Records().GlobCount(), stroke) << "the redo tail goes first";
    for (int x = 50; x < 60; ++x)
        ASSERT_TRUE(f.doc.Records().AddGlob(x, 50));
    const int end = f.session->EndAddingGlobs();
    EXPECT_EQ(end, stroke + 10);
    EXPECT_TRUE(f.doc.Records().IsSectionBoundary(end));
    EXPECT_EQ(f.doc.Records().SectionStart(end), stroke);
    f.session->ShowGlobsUpTo(stroke + 4);
    f.Canvas().Paint({});

    f.session->HideAddedGlobs();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().HistoryPosition(), stroke);
    EXPECT_EQ(f.doc.Records().GlobCount(), end);
    EXPECT_EQ(f.Canvas().DrawingImage(), f.Canvas().UndoImage()) << "the part drawn is gone again";
    f.session->History().Undo(); // Redo brings every added glob
    EXPECT_EQ(f.Canvas().HistoryPosition(), end);
}
