#include "SessionFixture.h"

#include <new>

#include "view/GlobTransfers.h"
#include "view/UndoState.h"

#include <gtest/gtest.h>

namespace {

// Everything a cut or paste may change, to compare before and after an undo.
struct Snapshot
{
    std::vector<CGlob> globs;
    std::vector<CColorChange> changes;
    int sectionBase = 0;
    std::vector<int> boundaries;
    int position = 0;
    QImage pixels;

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take(SessionFixture& f)
{
    f.Canvas().Paint({});
    const Sections& sec = f.doc.Records().CurrentSections();
    return {f.doc.Records().Globs(), f.doc.Records().ColorChanges().Items(), sec.base,
            std::vector<int>(sec.boundaries.begin(), sec.boundaries.begin() + sec.count), f.Canvas().HistoryPosition(),
            f.Canvas().DrawingImage()};
}

// The picture a fresh window would show: every record replayed from the paper up to the
// history position.
QImage FullReplay(SessionFixture& f)
{
    DrawingCanvas fresh(f.doc, f.shapes);
    fresh.SetHistoryPosition(f.Canvas().HistoryPosition());
    fresh.Paint({});
    return fresh.DrawingImage();
}

void ExpectShowsItsRecords(SessionFixture& f)
{
    f.Canvas().Paint({});
    EXPECT_EQ(f.Canvas().DrawingImage(), FullReplay(f));
}

// A stroke along y in its own colour, `count` globs 4 pixels apart.
void ColoredStroke(SessionFixture& f, int y, std::int16_t hue, int count = 3)
{
    f.shapes.Current().SetColor(HsvColor{hue, 255, 255});
    f.session->Strokes().Press({10, y}, {});
    for (int g = 1; g < count; ++g)
        f.session->Strokes().Move({10 + 4 * g, y}, {});
    f.session->Strokes().Release();
    f.Canvas().Paint({});
}

std::vector<CGlob> Moved(std::vector<CGlob> globs, QPoint by)
{
    for (CGlob& g : globs)
        g = CGlob(g.x + by.x(), g.y + by.y(), g.shape);
    return globs;
}

std::vector<CGlob> Slice(const std::vector<CGlob>& globs, int first, int end)
{
    return std::vector<CGlob>(globs.begin() + first, globs.begin() + end);
}

QRgb PixelOf(const QImage& image, const CGlob& g) { return image.pixel(g.x, g.y); }

TEST(GlobTransfers, LastSectionOnlyCopiesExactlyTheLastStrokeWithItsColour)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    ColoredStroke(f, 20, 120);
    f.session->Transfers().Copy(f.transfers.clip, RunRange::LastSectionOnly);
    EXPECT_EQ(f.transfers.clip.Globs(), Slice(f.doc.Records().Globs(), 3, 6));
    ASSERT_EQ(f.transfers.clip.ColorChangeCount(), 1);
    EXPECT_EQ(f.transfers.clip.ColorChanges()[0].globIndex, 0);
    EXPECT_EQ(f.transfers.clip.ColorChanges()[0].hue, 120);
    EXPECT_EQ(f.transfers.clip.origin, f.session->Centre());

    f.session->Transfers().Copy(f.transfers.clip, RunRange::EntireDrawing);
    EXPECT_EQ(f.transfers.clip.GlobCount(), 6);
    EXPECT_EQ(f.transfers.clip.ColorChangeCount(), 2); // hue 0 at 0, hue 120 at 3
}

// Pasted globs move by the paste window's centre minus the centre they were copied at.
TEST(GlobTransfers, PasteMovesTheGlobsByTheCentresDifference)
{
    struct Case
    {
        const char* name;
        QPoint sourceCentre;
        QPoint targetCentre;
        bool otherDrawing;
        QPoint expected;
    };
    const Case cases[] = {
        {"same centre", {100, 50}, {100, 50}, false, {0, 0}},
        {"after Move Center", {100, 50}, {110, 45}, false, {10, -5}},
        {"into another drawing", {320, 240}, {400, 300}, true, {80, 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionFixture source;
        SessionFixture other;
        source.session->MoveCentre(c.sourceCentre);
        ColoredStroke(source, 10, 200);
        source.session->Transfers().Copy(source.transfers.clip, RunRange::EntireDrawing);
        SessionFixture& target = c.otherDrawing ? other : source;
        target.session->MoveCentre(c.targetCentre);
        const int before = target.doc.Records().GlobCount();
        target.session->Transfers().Paste(source.transfers.clip, RunColors::Preserve);
        EXPECT_EQ(Slice(target.doc.Records().Globs(), before, before + 3), Moved(source.transfers.clip.Globs(), c.expected));
        EXPECT_EQ(target.Canvas().HistoryPosition(), before + 3);
        EXPECT_EQ(target.doc.UndoState(), UndoPaste);
        ExpectShowsItsRecords(target);
        EXPECT_EQ(PixelOf(target.Canvas().DrawingImage(), target.doc.Records().Globs().back()),
                  PixelOf(source.Canvas().DrawingImage(), source.doc.Records().Globs().back()));
    }
}

TEST(GlobTransfers, PasteOnTopOfTheCopiedGlobsLeavesThePictureAsItWas)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    ColoredStroke(f, 20, 120);
    const QImage before = Take(f).pixels;
    f.session->Transfers().Copy(f.transfers.clip, RunRange::EntireDrawing);
    f.session->Transfers().Paste(f.transfers.clip, RunColors::Preserve);
    EXPECT_EQ(Take(f).pixels, before);
    ExpectShowsItsRecords(f);
    const Sections& sec = f.doc.Records().CurrentSections();
    EXPECT_TRUE(sec.IsSectionBoundary(6));
    EXPECT_TRUE(sec.IsSectionBoundary(12)); // the pasted run is one section
}

TEST(GlobTransfers, CutAndCopyNeedAGlobAndPasteAClip)
{
    SessionFixture f;
    EXPECT_FALSE(f.session->Transfers().CanTake());
    f.session->Transfers().Paste(f.transfers.clip, RunColors::Preserve); // an empty clip lays nothing
    EXPECT_EQ(f.doc.Records().GlobCount(), 0);
    EXPECT_EQ(f.doc.UndoState(), UndoNothing);
    ColoredStroke(f, 10, 0);
    EXPECT_TRUE(f.session->Transfers().CanTake());
}

TEST(GlobTransfers, CutOfTheWholeDrawingLeavesItEmptyUntilAnotherCopyForgetsTheUndo)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    ColoredStroke(f, 20, 120);
    f.session->Transfers().Cut(f.transfers.clip, RunRange::EntireDrawing);
    EXPECT_EQ(f.doc.Records().GlobCount(), 0);
    EXPECT_EQ(f.Canvas().HistoryPosition(), 0);
    EXPECT_EQ(f.doc.Records().CurrentSections().count, 0);
    EXPECT_EQ(f.doc.UndoState(), UndoCut);
    EXPECT_EQ(UndoLabel(f.doc.UndoState()), QStringLiteral("&Undo Cut\tCtrl+Z"));
    EXPECT_EQ(f.transfers.clip.GlobCount(), 6);
    ExpectShowsItsRecords(f);

    GlobTransfers::ForgetClipUndo(f.doc);
    EXPECT_EQ(f.doc.UndoState(), UndoNothing);
    f.doc.SetUndoState(RedoPaste);
    GlobTransfers::ForgetClipUndo(f.doc);
    EXPECT_EQ(f.doc.UndoState(), UndoNothing);
    f.doc.SetUndoState(RedoCut); // a redone cut needs nothing from the clipboard
    GlobTransfers::ForgetClipUndo(f.doc);
    EXPECT_EQ(f.doc.UndoState(), RedoCut);
}

TEST(GlobTransfers, CutUndoRedoRoundTripsRecordsSectionsAndPixels)
{
    struct Case
    {
        RunRange range;
        int position; // where the slider stands as the cut begins
        int cutTo;
    };
    // At 6 the undo base (the last stroke's press) lies at the run's end.
    const Case cases[] = {{RunRange::EntireDrawing, 9, 0}, {RunRange::LastSectionOnly, 9, 6},
                          {RunRange::LastSectionOnly, 6, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position * 10 + int(c.range));
        SessionFixture f;
        ColoredStroke(f, 10, 0);
        ColoredStroke(f, 20, 120);
        ColoredStroke(f, 30, 240);
        f.session->History().ReleaseSlider(c.position);
        const Snapshot before = Take(f);
        f.session->Transfers().Cut(f.transfers.clip, c.range);
        const Snapshot cut = Take(f);
        EXPECT_EQ(cut.position, c.cutTo);
        ExpectShowsItsRecords(f);
        f.session->History().Undo();
        EXPECT_EQ(f.doc.UndoState(), RedoCut);
        EXPECT_EQ(Take(f), before);
        ExpectShowsItsRecords(f);
        f.session->History().Undo();
        EXPECT_EQ(f.doc.UndoState(), UndoCut);
        EXPECT_EQ(Take(f), cut);
    }
}

// Stepping back with the slider and cutting: the hidden strokes close up behind the cut
// and keep their colours.
TEST(GlobTransfers, CutInTheMiddleKeepsTheRedoTailAndItsColours)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    ColoredStroke(f, 20, 120);
    ColoredStroke(f, 30, 240);
    f.session->History().ReleaseSlider(6);
    f.Canvas().Paint({});
    const QImage whole = f.Canvas().RenderAll();
    const CGlob last = f.doc.Records().Globs().back();
    f.session->Transfers().Cut(f.transfers.clip, RunRange::LastSectionOnly);
    EXPECT_EQ(f.doc.Records().GlobCount(), 6);
    EXPECT_EQ(f.Canvas().HistoryPosition(), 3);
    const Sections& sec = f.doc.Records().CurrentSections();
    ASSERT_EQ(sec.count, 2);
    EXPECT_EQ(sec.boundaries[0], 3);
    EXPECT_EQ(sec.boundaries[1], 6);
    EXPECT_EQ(PixelOf(f.Canvas().RenderAll(), last), PixelOf(whole, last));
    ExpectShowsItsRecords(f);
}

TEST(GlobTransfers, PasteIntoTheMiddleGoesBeforeTheRedoTailWhichKeepsItsColours)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    ColoredStroke(f, 20, 120);
    ColoredStroke(f, 30, 240);
    f.session->Transfers().Copy(f.transfers.clip, RunRange::LastSectionOnly);
    const std::vector<CGlob> original = f.doc.Records().Globs();
    const QImage whole = f.Canvas().RenderAll();
    f.session->History().ReleaseSlider(3);
    f.Canvas().Paint({});
    f.session->MoveCentre(f.session->Centre() + QPoint(0, 40)); // the copy lands below everything
    f.session->Transfers().Paste(f.transfers.clip, RunColors::Preserve);
    std::vector<CGlob> expected = Slice(original, 0, 3);
    for (const CGlob& g : Moved(Slice(original, 6, 9), {0, 40}))
        expected.push_back(g);
    for (const CGlob& g : Slice(original, 3, 9))
        expected.push_back(g);
    EXPECT_EQ(f.doc.Records().Globs(), expected);
    EXPECT_EQ(f.Canvas().HistoryPosition(), 6);
    ExpectShowsItsRecords(f);
    const QImage after = f.Canvas().RenderAll();
    for (int i : {3, 6, 8}) // the hidden strokes, and the pasted run in the colour it was copied with
        EXPECT_EQ(PixelOf(after, original[size_t(i)]), PixelOf(whole, original[size_t(i)])) << i;
    EXPECT_EQ(PixelOf(after, expected[3]), PixelOf(whole, original[6]));
}

TEST(GlobTransfers, UndoPasteRestoresAndRedoPasteLaysTheSameGlobs)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    ColoredStroke(f, 20, 120);
    f.session->Transfers().Copy(f.transfers.clip, RunRange::LastSectionOnly);
    f.session->History().ReleaseSlider(3);
    const Snapshot before = Take(f);
    f.session->Transfers().Paste(f.transfers.clip, RunColors::Preserve);
    const Snapshot pasted = Take(f);
    f.session->History().Undo();
    EXPECT_EQ(f.doc.UndoState(), RedoPaste);
    EXPECT_EQ(UndoLabel(f.doc.UndoState()), QStringLiteral("&Redo Paste\tCtrl+Z"));
    EXPECT_EQ(Take(f), before);
    f.session->History().Undo();
    EXPECT_EQ(f.doc.UndoState(), UndoPaste);
    EXPECT_EQ(Take(f), pasted);
    ExpectShowsItsRecords(f);
}

TEST(GlobTransfers, UseNewColoursTakesEachShapesColourOfTheMoment)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    f.session->Transfers().Copy(f.transfers.clip, RunRange::EntireDrawing);
    ColoredStroke(f, 20, 120);
    const QImage before = f.Canvas().RenderAll();
    f.shapes.Current().SetColor(HsvColor{60, 255, 255});
    f.session->History().ReleaseSlider(3);
    f.Canvas().Paint({});
    f.session->MoveCentre(f.session->Centre() + QPoint(0, 40));
    f.session->Transfers().Paste(f.transfers.clip, RunColors::UseNew);
    ExpectShowsItsRecords(f);
    const QImage after = f.Canvas().RenderAll();
    EXPECT_EQ(after.pixel(10, 50), qRgb(255, 255, 0)); // hue 60
    const CGlob tail = f.doc.Records().Globs().back();
    EXPECT_EQ(PixelOf(after, tail), PixelOf(before, tail));
}

// Drifting globs go in one by one through the margin check; the records and boundaries
// after them move up by the number laid, not the number in the clip.
TEST(GlobTransfers, DriftingPasteMovesTheTailByTheGlobsActuallyLaid)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0, 4); // globs at x 10, 14, 18, 22
    f.session->Transfers().Copy(f.transfers.clip, RunRange::EntireDrawing);
    ColoredStroke(f, 30, 120);
    const QImage before = f.Canvas().RenderAll();
    f.autoChange.Channel(AutoChannel::Hue).mode = AutoUp;
    f.autoChange.Channel(AutoChannel::Hue).speed = 10;
    f.autoChange.StartAutoChange(AutoChannel::Hue, f.shapes.Current().Color(), f.random);
    f.session->History().ReleaseSlider(4);
    f.Canvas().Paint({});
    f.session->MoveCentre(f.session->Centre() + QPoint(-35, 0)); // x -25 and -21 fall outside
    f.session->Transfers().Paste(f.transfers.clip, RunColors::UseNew);
    EXPECT_EQ(f.doc.Records().GlobCount(), 9);
    EXPECT_EQ(f.Canvas().HistoryPosition(), 6);
    EXPECT_EQ(f.doc.Records().GetGlob(4).x, -17);
    EXPECT_TRUE(f.doc.Records().IsSectionBoundary(6));
    EXPECT_TRUE(f.doc.Records().IsSectionBoundary(9));
    int position = 0;
    ASSERT_TRUE(f.doc.Records().FindColorChange(6, position)); // the hidden stroke's colour
    EXPECT_EQ(f.doc.Records().GetColorChange(position)->hue, 120);
    ExpectShowsItsRecords(f);
    const CGlob tail = f.doc.Records().Globs().back();
    EXPECT_EQ(PixelOf(f.Canvas().RenderAll(), tail), PixelOf(before, tail));
}

TEST(GlobTransfers, ACutTheClipboardCannotHoldTakesNothingOut)
{
    SessionFixture f;
    ColoredStroke(f, 10, 0);
    std::vector<QString> shown;
    f.transfers.clip.SetMessageSink([&](const UserMessage& m) { shown.push_back(m.text); });
    f.transfers.clip.SetAllocationProbe([] { throw std::bad_alloc(); });
    const Snapshot before = Take(f);
    f.session->Transfers().Cut(f.transfers.clip, RunRange::EntireDrawing);
    EXPECT_EQ(Take(f), before);
    EXPECT_EQ(f.doc.UndoState(), UndoDrawing);
    EXPECT_EQ(shown, std::vector<QString>{QStringLiteral("Out of Memory")});
}

} // namespace
