#include "ModelFixture.h"

#include <gtest/gtest.h>

#include "model/DepthSimulation.h"
#include "model/GlobStore.h"

namespace {

// A drawing of `count` globs; the shape switches at each index in `switches` (with the
// colour record a press would add there).
struct DepthDrawing : ModelFixture
{
    explicit DepthDrawing(int count, std::initializer_list<int> switches = {})
    {
        store.SetDrawingSize(400, 400);
        int shape = 0;
        for (int i = 0; i < count; ++i) {
            if (std::find(switches.begin(), switches.end(), i) != switches.end()) {
                shape = (shape + 1) % shapes.Count();
                shapes.SetCurrentIndex(shape);
                store.SetColorChange(i, shapes.Current().Color());
            }
            store.AddGlob(10 + i % 300, 10 + i / 300);
        }
        shapes.SetCurrentIndex(0);
    }

    // The record at a glob index, or a failure.
    CColorChange At(int globIndex) const
    {
        int position = 0;
        EXPECT_TRUE(store.FindColorChange(globIndex, position)) << "no record at " << globIndex;
        const CColorChange* c = store.GetColorChange(position);
        return c ? *c : CColorChange{};
    }

    GlobStore store{shapes};
};

const HsvColor kCurrent{300, 100, 90};

DepthSettings Settings(bool light, int bottom, int top, bool entire = false)
{
    DepthSettings s;
    s.light = light;
    s.bottom = bottom;
    s.top = top;
    s.entireDrawing = entire;
    return s;
}

TEST(DepthSimulation, LightRampsTheValueBandByBandFromBottomToTop)
{
    struct Row { int start; int length; int stride; int inc; };
    const Row rows[] = {
        {20, 100, 4, 10}, // 25 bands of four globs, values 0, 10, ..., 240 (250 at the end)
        {0, 10, 1, 25},   // fewer globs than bands: one glob a band, bigger steps
        {5, 10, 1, 25},
    };
    for (const Row& r : rows) {
        DepthDrawing d(r.start + r.length);
        const HsvColor startColor = d.shapes.Shape(0).Color();
        ASSERT_TRUE(ApplyDepth(d.store, Settings(true, 0, 25), r.start, r.start + r.length, kCurrent));
        for (int k = 0; k * r.stride < r.length; ++k) {
            const CColorChange c = d.At(r.start + k * r.stride);
            EXPECT_EQ(c.value, k * r.inc) << "start " << r.start << " band " << k;
            EXPECT_EQ(c.hue, startColor.hue);
            EXPECT_EQ(c.saturation, startColor.saturation);
        }
        // What follows the range goes on in the colour it had: here, the current shape's.
        EXPECT_EQ(d.At(r.start + r.length).Color(), kCurrent);
    }
}

TEST(DepthSimulation, ChromaDepthWalksTheTableFromBlueToRed)
{
    struct Row { int bottom; int top; int length; int stride; int firstIndex; int lastIndex; };
    const Row rows[] = {
        {0, 25, 100, 4, 24, 0},
        {10, 15, 50, 10, 14, 10},
    };
    for (const Row& r : rows) {
        DepthDrawing d(r.length);
        ASSERT_TRUE(ApplyDepth(d.store, Settings(false, r.bottom, r.top), 0, r.length, kCurrent));
        const int bands = r.top - r.bottom;
        for (int k = 0; k < bands; ++k)
            EXPECT_EQ(d.At(k * r.stride).Color(), ChromaDepthColors()[std::size_t(r.firstIndex - k)])
                << "band " << k;
        EXPECT_EQ(r.firstIndex - (bands - 1), r.lastIndex);
    }
}

TEST(DepthSimulation, ChromaDepthGivesAShapeSwitchTheBandColourBeforeIt)
{
    DepthDrawing d(20, {10});
    ASSERT_TRUE(ApplyDepth(d.store, Settings(false, 0, 25), 0, 20, kCurrent));
    // 20 globs for 25 bands: one glob a band, the table walked one entry at a time.
    EXPECT_EQ(d.At(9).Color(), ChromaDepthColors()[15]);
    EXPECT_EQ(d.At(10).Color(), ChromaDepthColors()[15]) << "the switch keeps the band's colour";
    EXPECT_EQ(d.At(11).Color(), ChromaDepthColors()[13]);
}

TEST(DepthSimulation, AnEmptyRangeChangesNothing)
{
    DepthDrawing d(30);
    const std::vector<CColorChange> before = d.store.ColorChanges().Items();
    EXPECT_FALSE(ApplyDepth(d.store, Settings(true, 0, 25), 30, 30, kCurrent));
    EXPECT_FALSE(ApplyDepth(d.store, Settings(false, 0, 25), 12, 12, kCurrent));
    EXPECT_EQ(d.store.ColorChanges().Items(), before);
}

TEST(DepthSimulation, LightKeepsTheHueOfEachRecordItPasses)
{
    // Records of other colours inside a band keep their hue and take the band's value.
    DepthDrawing d(100, {42});
    const HsvColor second = d.shapes.Shape(1).Color();
    ASSERT_TRUE(ApplyDepth(d.store, Settings(true, 0, 25), 0, 100, kCurrent));
    const CColorChange switched = d.At(42);
    EXPECT_EQ(switched.hue, second.hue);
    EXPECT_EQ(switched.value, 100) << "the value of the band it lies in";
    EXPECT_EQ(d.At(44).hue, second.hue) << "later bands go on in the hue they passed";
    EXPECT_EQ(d.At(44).value, 110);
}

} // namespace
