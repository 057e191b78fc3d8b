#include "ModelFixture.h"

#include "model/GlobRunStore.h"

#include <gtest/gtest.h>

namespace {

class GlobStoreTest : public ::testing::Test, public ModelFixture
{
protected:
    GlobStoreTest() { doc.Records().SetMessageSink(Sink()); }

    // Globs at the given shapes, one per index, at (10, 10).
    void AddShapes(std::initializer_list<int> shapeList)
    {
        for (int shape : shapeList) {
            shapes.SetCurrentIndex(shape);
            ASSERT_TRUE(doc.Records().AppendGlob(10, 10));
        }
    }
    void SetChanges(std::initializer_list<CColorChange> changes)
    {
        for (const CColorChange& c : changes)
            ASSERT_TRUE(doc.Records().SetColorChange(c.globIndex, c.Color()));
    }
    std::vector<int> ChangeIndices() const
    {
        std::vector<int> out;
        for (const CColorChange& c : doc.Records().ColorChanges().Items())
            out.push_back(c.globIndex);
        return out;
    }

    CDaubrixDoc doc{shapes};
};

TEST_F(GlobStoreTest, FirstGlobBringsItsShapeColour)
{
    shapes.SetCurrentIndex(2);
    ASSERT_TRUE(doc.Records().AddGlob(5, 6));
    ASSERT_TRUE(doc.Records().AddGlob(7, 8));
    EXPECT_EQ(doc.Records().GlobCount(), 2);
    EXPECT_EQ(doc.Records().GetGlob(0), CGlob(5, 6, 2));
    ASSERT_EQ(doc.Records().ColorChangeCount(), 1);
    EXPECT_EQ(*doc.Records().GetColorChange(0), CColorChange(0, shapes.Shape(2).Color()));
    EXPECT_EQ(doc.Records().GetColorChange(1), nullptr);

    CDaubrixDoc viewed(shapes);
    viewed.Records().SetHistoryPositionSource([] { return 7; });
    ASSERT_TRUE(viewed.Records().AddGlob(5, 6));
    EXPECT_EQ(viewed.Records().GetColorChange(0)->globIndex, 7);
}

TEST_F(GlobStoreTest, GlobsMayLieUpTo19PixelsOutside)
{
    ASSERT_TRUE(doc.NewDrawing(200, 100));
    struct Case { int x, y; bool inside; };
    const Case cases[] = {{-20, 5, false}, {-19, 5, true}, {219, 5, true}, {220, 5, false},
                          {5, -20, false}, {5, -19, true}, {5, 119, true}, {5, 120, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        CDaubrixDoc fresh(shapes);
        ASSERT_TRUE(fresh.NewDrawing(200, 100));
        EXPECT_EQ(fresh.Records().AddGlob(c.x, c.y), c.inside);
        EXPECT_EQ(fresh.Records().GlobCount(), c.inside ? 1 : 0);
        EXPECT_EQ(fresh.Records().ColorChangeCount(), 1); // the first try brings the colour either way
        EXPECT_EQ(doc.Records().InsertGlob(0, c.x, c.y), c.inside);
    }
    EXPECT_EQ(doc.Records().GetGlob(0), CGlob(5, 119, 0)); // inserted at the front
    EXPECT_EQ(doc.Records().GlobCount(), 4);
    EXPECT_TRUE(doc.Records().AppendGlob(-500, 9000)); // no check for the replay of imports
    EXPECT_EQ(doc.Records().GetGlob(4).x, -500);
}

TEST_F(GlobStoreTest, SetColorChangeUpdatesInPlaceAndKeepsOrder)
{
    AddShapes({0, 0, 0});
    SetChanges({{0, 1, 1, 1}, {50, 2, 2, 2}, {10, 3, 3, 3}, {30, 4, 4, 4}});
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{0, 10, 30, 50}));
    SetChanges({{30, 9, 8, 7}});
    EXPECT_EQ(doc.Records().ColorChangeCount(), 4);
    EXPECT_EQ(doc.Records().GetColorChange(2)->Color(), (HsvColor{9, 8, 7}));

    // Even without the record at 0, a new record goes in order, not at the end.
    doc.Records().RemoveColorChangesInRange(0, 0, RemoveMode::All);
    SetChanges({{5, 1, 1, 1}, {60, 1, 1, 1}});
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{5, 10, 30, 50, 60}));

    ASSERT_TRUE(doc.Records().SetColorChange(-1, 1, 2, 3)); // -1: the current end
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{3, 5, 10, 30, 50, 60}));
}

TEST_F(GlobStoreTest, LookUpsByGlobIndex)
{
    SetChanges({{0, 10, 11, 12}, {4, 20, 21, 22}, {9, 30, 31, 32}});
    int position = -1;
    EXPECT_TRUE(doc.Records().FindColorChange(4, position));
    EXPECT_EQ(position, 1);
    EXPECT_FALSE(doc.Records().FindColorChange(5, position));
    EXPECT_EQ(position, 3);
    EXPECT_EQ(doc.Records().HueAt(9), 30);
    EXPECT_EQ(doc.Records().SaturationAt(4), 21);
    EXPECT_EQ(doc.Records().ValueAt(5), 0);
    doc.Records().SetValueAt(4, 99);
    EXPECT_EQ(doc.Records().ValueAt(4), 99);

    struct Case { int arg, next, lastBefore, inEffect; };
    const Case cases[] = {{0, 4, 0, 0}, {3, 4, 0, 0}, {4, 9, 0, 0}, {5, 9, 1, 4}, {9, -1, 1, 4}, {20, -1, 2, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arg);
        EXPECT_EQ(doc.Records().NextColorChangeAfter(c.arg), c.next);
        EXPECT_EQ(doc.Records().LastColorChangeBefore(c.arg), c.lastBefore);
        EXPECT_EQ(doc.Records().ColorChangeInEffect(c.arg), c.inEffect);
    }

    doc.Records().ShiftColorChanges(2, 4); // 4 -> 2, 9 -> 7
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{0, 2, 7}));
    doc.Records().OffsetColorChanges(2, 10);
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{0, 12, 17}));
}

TEST_F(GlobStoreTest, TruncateAndDeleteRanges)
{
    AddShapes({0, 1, 2, 0, 1});
    SetChanges({{0, 1, 1, 1}, {3, 2, 2, 2}});
    doc.Records().DeleteGlobRange(1, 3);
    ASSERT_EQ(doc.Records().GlobCount(), 3);
    EXPECT_EQ(doc.Records().GetGlob(1).shape, 0);
    EXPECT_EQ(doc.Records().ColorChangeCount(), 2); // colour changes are not moved with the globs
    doc.Records().DeleteGlobRange(2, 99);
    EXPECT_EQ(doc.Records().GlobCount(), 2);

    doc.Records().TruncateGlobs(1);
    EXPECT_EQ(doc.Records().GlobCount(), 1);
    EXPECT_EQ(ChangeIndices(), std::vector<int>{0});
    doc.Records().TruncateGlobs(0);
    EXPECT_EQ(doc.Records().GlobCount(), 0);
    EXPECT_EQ(doc.Records().ColorChangeCount(), 0);
}

TEST_F(GlobStoreTest, SectionsStartAndExchange)
{
    Sections& s = doc.Records().CurrentSections();
    s.count = 2;
    s.boundaries[0] = 100;
    s.boundaries[1] = 250;
    s.boundaries[2] = 400; // not in use
    EXPECT_EQ(doc.Records().SectionStart(120), 100);
    EXPECT_EQ(doc.Records().SectionStart(80), 0);
    EXPECT_EQ(doc.Records().SectionStart(300), 0);
    EXPECT_TRUE(doc.Records().IsSectionBoundary(250));
    EXPECT_FALSE(doc.Records().IsSectionBoundary(400));
    s.base = 40;
    EXPECT_EQ(doc.Records().SectionStart(80), 40);

    doc.Records().SaveSections();
    s.count = 0;
    s.base = 0;
    doc.Records().ExchangeSections();
    EXPECT_EQ(doc.Records().CurrentSections().count, 2);
    EXPECT_EQ(doc.Records().CurrentSections().base, 40);
    EXPECT_EQ(doc.Records().SectionStart(120), 100);
}

// Globs: 0:a 1:a 2:b 3:b 4:a 5:a
TEST_F(GlobStoreTest, RemoveColorChangesInRange)
{
    AddShapes({0, 0, 1, 1, 0, 0});
    const std::initializer_list<CColorChange> changes = {{0, 1, 1, 1}, {1, 2, 2, 2}, {2, 3, 3, 3}, {3, 4, 4, 4},
                                                         {4, 5, 5, 5}, {9, 6, 6, 6}};
    SetChanges(changes);
    doc.Records().RemoveColorChangesInRange(1, 4, RemoveMode::SameShapeOnly);
    // 1 repeats shape a, 3 repeats b; 2 and 4 change shape; 9 lies beyond the globs.
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{0, 2, 4, 9}));
    doc.Records().RemoveColorChangesInRange(0, 2, RemoveMode::All);
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{4, 9}));
}

TEST_F(GlobStoreTest, MergeEqualColourChanges)
{
    AddShapes({0, 0, 1, 1, 0, 0});
    // 1: same shape, same hue/sat (value differs) -> merged; 3: same shape, other hue -> kept;
    // 4: other shape -> kept; 5: equal to 4 and same shape, but outside the range.
    SetChanges({{0, 7, 8, 1}, {1, 7, 8, 2}, {2, 7, 8, 3}, {3, 6, 8, 3}, {4, 6, 8, 3}, {5, 6, 8, 3}});
    doc.Records().MergeEqualColorChanges(1, 4);
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{0, 2, 3, 4, 5}));
}

TEST_F(GlobStoreTest, CarryColoursAcrossShapes)
{
    AddShapes({0, 0, 1, 1, 0, 0});
    SetChanges({{0, 1, 1, 1}, {1, 2, 2, 2}, {2, 3, 3, 3}, {4, 4, 4, 4}, {5, 5, 5, 5}});
    doc.Records().CarryColorsAcrossShapes(1, 4); // a < index <= b: 2 and 4 change shape, 5 is outside
    std::vector<int> hues;
    for (const CColorChange& c : doc.Records().ColorChanges().Items())
        hues.push_back(c.hue);
    EXPECT_EQ(hues, (std::vector<int>{1, 2, 2, 2, 5}));
}

TEST_F(GlobStoreTest, PastesCopiesWithColours)
{
    AddShapes({0, 0});
    SetChanges({{0, 1, 1, 1}});
    GlobRunStore clip;
    ASSERT_TRUE(clip.AddGlob(1, 2, 0));
    ASSERT_TRUE(clip.AddGlob(3, 4, 2));
    ASSERT_TRUE(clip.AddGlob(5, 6, 2));
    ASSERT_TRUE(doc.Records().InsertGlobs(1, clip, QPoint(10, -1), ColorMode::WithColor));
    ASSERT_EQ(doc.Records().GlobCount(), 5);
    EXPECT_EQ(doc.Records().GetGlob(1), CGlob(11, 1, 0));
    EXPECT_EQ(doc.Records().GetGlob(3), CGlob(15, 5, 2));
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{0, 2}));
    EXPECT_EQ(doc.Records().GetColorChange(1)->Color(), shapes.Shape(2).Color());

    ASSERT_TRUE(clip.AddColorChange(0, 7, 7, 7));
    ASSERT_TRUE(clip.AddColorChange(1, 8, 8, 8));
    ASSERT_TRUE(doc.Records().InsertColorChanges(1, 1, clip)); // glob 1 is new, glob 2 is kept
    EXPECT_EQ(ChangeIndices(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(doc.Records().GetColorChange(2)->Color(), shapes.Shape(2).Color());
}

TEST_F(GlobStoreTest, SnapshotSwapAndShapesUsed)
{
    AddShapes({0, 2});
    SetChanges({{0, 1, 1, 1}});
    ASSERT_TRUE(doc.Records().SnapshotColorChanges());
    SetChanges({{1, 2, 2, 2}});
    doc.Records().SwapColorChanges();
    EXPECT_EQ(ChangeIndices(), std::vector<int>{0});
    EXPECT_EQ(doc.Records().SavedColorChanges().Count(), 2);

    shapes.PrepareAll();
    for (int i = 0; i < shapes.Count(); ++i)
        shapes.Shape(i).RefreshColored(); // every copy shows its shape's colour
    doc.Records().MarkShapesUsed(1, 5);
    EXPECT_FALSE(shapes.Shape(0).RecolorPending());
    EXPECT_FALSE(shapes.Shape(1).RecolorPending());
    EXPECT_TRUE(shapes.Shape(2).RecolorPending());

    doc.Records().DeleteContents();
    const GlobStore& records = doc.Records();
    EXPECT_EQ(records.GlobCount() + records.ColorChangeCount() + records.SavedColorChanges().Count(), 0);
}

TEST_F(GlobStoreTest, ApplyingColourChangesRecoloursTheGlobsShape)
{
    ASSERT_TRUE(shapes.PrepareAll());
    AddShapes({0, 1});
    SetChanges({{0, 0, 255, 255}, {1, 120, 255, 255}, {5, 240, 255, 255}});
    auto pixel = [this](int shape) { return shapes.Shape(shape).Colored().pixel(2, 1); };
    const QRgb shape0 = pixel(0);
    const QRgb shape1 = pixel(1);

    doc.Records().ApplyColorChangeRecord(2); // glob 5 does not exist: nothing happens
    doc.Records().ApplyColorChangeRecord(9);
    EXPECT_EQ(pixel(0), shape0);
    EXPECT_EQ(pixel(1), shape1);

    doc.Records().ApplyColorChangesAt(1);
    const QRgb green = pixel(1);
    EXPECT_NE(green, shape1);
    EXPECT_EQ(pixel(0), shape0);
    SetChanges({{1, 240, 255, 255}});
    doc.Records().ApplyColorChangeRecord(1);
    EXPECT_NE(pixel(1), green);
    EXPECT_EQ(pixel(0), shape0);
}

TEST_F(GlobStoreTest, OutOfMemoryKeepsListsAndSaysSo)
{
    AddShapes({0});
    SetChanges({{0, 1, 1, 1}});
    GlobRunStore clip;
    ASSERT_TRUE(clip.AddGlob(1, 2, 0));
    ASSERT_TRUE(clip.AddGlob(1, 2, 1));
    clip.SetMessageSink(Sink());
    clip.SetAllocationProbe([] { throw std::bad_alloc(); });
    CDaubrixDoc empty(shapes);
    empty.Records().SetMessageSink(Sink());
    int calls = 0;
    // Fails on the second allocation: the first glob's colour change is made, the glob is not.
    empty.Records().SetAllocationProbe([&calls] {
        if (++calls == 2)
            throw std::bad_alloc();
    });
    doc.Records().SetAllocationProbe([] { throw std::bad_alloc(); });

    EXPECT_FALSE(empty.Records().AddGlob(1, 1));
    EXPECT_EQ(empty.Records().GlobCount() + empty.Records().ColorChangeCount(), 0);
    EXPECT_FALSE(doc.Records().AddGlob(1, 1));
    EXPECT_FALSE(doc.Records().AppendGlob(1, 1));
    EXPECT_FALSE(doc.Records().InsertGlob(0, 1, 1));
    EXPECT_FALSE(doc.Records().SetColorChange(5, 1, 1, 1));
    EXPECT_FALSE(doc.Records().InsertGlobs(0, clip, QPoint(), ColorMode::WithColor));
    EXPECT_FALSE(doc.Records().InsertColorChanges(0, 0, clip));
    EXPECT_FALSE(clip.AddGlob(1, 1, 1));
    EXPECT_FALSE(clip.AddColorChange(1, 1, 1, 1));
    EXPECT_EQ(doc.Records().GlobCount(), 1);
    EXPECT_EQ(ChangeIndices(), std::vector<int>{0});
    EXPECT_EQ(clip.GlobCount(), 2);
    EXPECT_EQ(clip.ColorChangeCount(), 0);
    ASSERT_EQ(messages.size(), 9u);
    for (const UserMessage& m : messages) {
        EXPECT_EQ(m.text, "Out of Memory");
        EXPECT_EQ(m.icon, MessageIcon::Critical);
    }
}

TEST_F(GlobStoreTest, PasteColoursFailingTakesTheGlobsBack)
{
    AddShapes({0});
    GlobRunStore clip;
    ASSERT_TRUE(clip.AddGlob(1, 2, 0));
    ASSERT_TRUE(clip.AddGlob(1, 2, 1));
    int calls = 0;
    doc.Records().SetAllocationProbe([&calls] {
        if (++calls == 2)
            throw std::bad_alloc();
    });
    EXPECT_FALSE(doc.Records().InsertGlobs(0, clip, QPoint(), ColorMode::WithColor));
    EXPECT_EQ(doc.Records().GlobCount(), 1);
    EXPECT_EQ(doc.Records().ColorChangeCount(), 0);
}

} // namespace
