#include "SessionFixture.h"

#include <gtest/gtest.h>

#include "model/DepthSimulation.h"
#include "view/UndoState.h"

namespace {

DepthSettings Depth(bool light, bool entire)
{
    DepthSettings s;
    s.light = light;
    s.entireDrawing = entire;
    return s;
}

// Three strokes of 30 globs each, the last in the second shape.
void DrawThreeStrokes(SessionFixture& f)
{
    for (int stroke = 0; stroke < 3; ++stroke) {
        f.shapes.SetCurrentIndex(stroke == 2 ? 1 : 0);
        f.shapes.Current().SetColor({std::int16_t(40 * stroke), 200, 200});
        f.session->Strokes().Press({10, 20 + 25 * stroke}, {});
        for (int x = 15; x < 160; x += 5)
            f.session->Strokes().Move({x, 20 + 25 * stroke}, {});
        f.session->Strokes().Release();
        f.Canvas().Paint({});
    }
}

TEST(SimulateDepth, UndoAndRedoSwapTheColoursBackAndThePictureMatchesAFullReplay)
{
    for (const bool light : {true, false}) {
        for (const bool entire : {true, false}) {
            SessionFixture f;
            DrawThreeStrokes(f);
            const std::vector<CColorChange> before = f.doc.Records().ColorChanges().Items();
            const QImage picture = f.Canvas().DrawingImage();

            ASSERT_TRUE(f.session->SimulateDepth(Depth(light, entire)));
            f.Canvas().Paint({});
            EXPECT_EQ(f.doc.UndoState(), UndoDepth);
            const std::vector<CColorChange> shaded = f.doc.Records().ColorChanges().Items();
            EXPECT_NE(shaded, before);
            EXPECT_EQ(f.Canvas().DrawingImage(), f.Canvas().RenderAll());
            EXPECT_NE(f.Canvas().DrawingImage(), picture);
            if (!entire) {
                const int start = f.doc.Records().SectionStart(f.Canvas().HistoryPosition());
                for (const CColorChange& c : before) {
                    if (c.globIndex < start) {
                        EXPECT_NE(std::find(shaded.begin(), shaded.end(), c), shaded.end())
                            << "records before the last section stay";
                    }
                }
            }

            f.session->History().Undo();
            f.Canvas().Paint({});
            EXPECT_EQ(f.doc.UndoState(), RedoDepth);
            EXPECT_EQ(f.doc.Records().ColorChanges().Items(), before);
            EXPECT_EQ(f.Canvas().DrawingImage(), picture);

            f.session->History().Undo();
            f.Canvas().Paint({});
            EXPECT_EQ(f.doc.UndoState(), UndoDepth);
            EXPECT_EQ(f.doc.Records().ColorChanges().Items(), shaded);
            EXPECT_EQ(f.Canvas().DrawingImage(), f.Canvas().RenderAll());
        }
    }
}

TEST(SimulateDepth, AnEmptyLastSectionLeavesTheDrawingAndItsUndoAlone)
{
    SessionFixture f;
    // Eleven strokes: the first boundary becomes the section base, where the slider starts.
    for (int stroke = 0; stroke < 11; ++stroke)
        f.Stroke({{10 + 15 * stroke, 50}});
    const int base = f.doc.Records().CurrentSections().base;
    ASSERT_GT(base, 0);
    f.session->History().ReleaseSlider(base);
    f.Canvas().Paint({});
    ASSERT_EQ(f.Canvas().HistoryPosition(), base);
    ASSERT_EQ(f.doc.Records().SectionStart(base), base) << "the last section is empty here";
    const int state = f.doc.UndoState();
    const std::vector<CColorChange> before = f.doc.Records().ColorChanges().Items();
    EXPECT_FALSE(f.session->SimulateDepth(Depth(true, false)));
    EXPECT_EQ(f.doc.Records().ColorChanges().Items(), before);
    EXPECT_EQ(f.doc.UndoState(), state);
    EXPECT_TRUE(f.session->SimulateDepth(Depth(true, true))) << "the whole drawing still has globs";
}

} // namespace
