#include "SessionFixture.h"

#include "view/ColorChangeCursor.h"
#include "view/StatusSink.h"

#include <gtest/gtest.h>

namespace {

struct RecordingStatus : StatusSink
{
    void SetProgressText(const QString& text) override { progress.push_back(text); }
    std::vector<QString> progress;
};

TEST(DrawingCanvas, EmptyDrawingShowsTheBackgroundColour)
{
    SessionFixture f;
    f.doc.SetBackgroundColor(MakeRgb(10, 20, 30));
    f.Canvas().Regenerate();
    const PaintReport report = f.Canvas().Paint({});
    EXPECT_TRUE(report.copyAllAtStart);
    EXPECT_TRUE(report.copyAllAtEnd);
    EXPECT_EQ(f.Canvas().DrawingImage().pixel(5, 5), qRgb(10, 20, 30));
}

TEST(DrawingCanvas, IncrementalPaintMatchesAFullReplayAndReportsGlobRects)
{
    SessionFixture f;
    f.session->Strokes().Press({10, 10}, {});
    const PaintReport first = f.Canvas().Paint({});
    ASSERT_EQ(first.globRects.size(), 1u);
    EXPECT_EQ(first.globRects[0], QRect(9, 9, 4, 4)); // 3 x 3 shape, one pixel wider and higher
    EXPECT_FALSE(first.copyAllAtEnd);
    f.shapes.SetCurrentIndex(1);
    f.shapes.Current().SetColorLater(HsvColor{120, 255, 255});
    f.session->Strokes().Release();
    f.session->Strokes().Press({30, 10}, {});
    f.session->Strokes().Move({40, 12}, {});
    f.Canvas().Paint({});
    f.session->Strokes().Release();
    EXPECT_EQ(f.Canvas().DrawingImage().pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(f.Canvas().DrawingImage().pixel(40, 12), qRgb(0, 255, 0));
    EXPECT_EQ(f.Canvas().RenderAll(), f.Canvas().DrawingImage());
    f.Canvas().Regenerate();
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().RenderAll(), f.Canvas().DrawingImage());
}

// The replay stamps globs in the colours of the drawing's records with stamps of its own: the
// shapes the palettes show and new globs are drawn with keep their colours and pixels, and a
// replay that starts part-way through finds the colours the records below it set.
TEST(DrawingCanvas, PaintingLeavesTheShapesAsTheyWere)
{
    SessionFixture f;
    const auto useColour = [&f](HsvColor c) {
        f.shapes.Current().SetColorLater(c);
        f.shapes.Current().Recolor(c.hue, c.saturation, c.value);
    };
    useColour({120, 255, 255});
    f.session->ApplyCurrentColor({120, 255, 255});
    f.Stroke({{10, 10}, {20, 10}});
    useColour({240, 255, 255});
    f.session->ApplyCurrentColor({240, 255, 255});
    f.Stroke({{30, 10}, {40, 10}});
    useColour({60, 255, 255}); // the palette moved on; no glob has this colour yet
    const QImage own = f.shapes.Shape(0).Colored();
    const HsvColor colour = f.shapes.Shape(0).Color();
    f.Canvas().Regenerate();
    f.Canvas().Paint({});
    const QImage all = f.Canvas().RenderAll();
    EXPECT_EQ(f.shapes.Shape(0).Colored(), own);
    EXPECT_EQ(f.shapes.Shape(0).Color(), colour);
    EXPECT_EQ(all.pixel(10, 10), qRgb(0, 255, 0));
    EXPECT_EQ(all.pixel(40, 10), qRgb(0, 0, 255));
    EXPECT_EQ(f.Canvas().DrawingImage(), all);

    f.session->History().ReleaseSlider(2); // back to the first stroke, then forward again
    f.Canvas().Paint({});
    f.session->History().ReleaseSlider(4);
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().DrawingImage(), all);
}

TEST(DrawingCanvas, RebuildUndoImageShowsPercentOnlyBeyond1100Globs)
{
    const std::pair<int, size_t> rows[] = {{1099, 1}, {1100, 100 + 1}};
    for (auto [globs, reports] : rows) {
        SessionFixture f;
        for (int i = 0; i < globs; ++i)
            f.doc.Records().AddGlob(i % 200, i % 100);
        f.Canvas().SetHistoryPosition(globs);
        f.Canvas().CopyToUndoImage(); // the undo base is the position
        RecordingStatus status;
        f.Canvas().RebuildUndoImage(&status);
        ASSERT_EQ(status.progress.size(), reports) << globs;
        EXPECT_EQ(status.progress.back(), QStringLiteral(" "));
        if (reports > 1) {
            EXPECT_EQ(status.progress[0], QStringLiteral(" 0%"));
            EXPECT_EQ(status.progress[99], QStringLiteral("99%"));
        }
        EXPECT_EQ(f.Canvas().UndoImage(), f.Canvas().RenderAll());
    }
}

TEST(ColorChangeCursor, FindsTheSameRecordsAsAScanEvenOutOfOrder)
{
    const std::vector<CColorChange> unsorted{{5, 1, 0, 0}, {2, 2, 0, 0}, {5, 3, 0, 0}, {0, 4, 0, 0}, {2, 5, 0, 0}};
    ColorChangeCursor cursor(unsorted, 1);
    for (int i = 1; i < 7; ++i) {
        std::vector<int> walked, scanned;
        cursor.ApplyAt(i, [&](const CColorChange& c) { walked.push_back(c.hue); });
        for (const CColorChange& c : unsorted)
            if (c.globIndex == i)
                scanned.push_back(c.hue);
        EXPECT_EQ(walked, scanned) << i;
    }
}

} // namespace
