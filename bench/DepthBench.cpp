// Simulate Depth's record rewrite over a whole big drawing, without the replay that follows,
// against copying the colour-change list once in the same run.
#include <benchmark/benchmark.h>

#include "BenchShapes.h"

#include <memory>
#include <random>
#include <vector>

#include "model/CDaubrixDoc.h"
#include "model/DepthSimulation.h"
#include "shapes/ShapeTable.h"

namespace {

constexpr int kGlobs = 1000000;
constexpr int kChangeEvery = 10; // 100,000 colour changes

// Strokes of 1,000 globs in turn in three shapes, the colour changing every ten globs.
CDaubrixDoc& Drawing()
{
    static std::unique_ptr<CDaubrixDoc> doc = [] {
        ShapeTable& shapes = BenchShapes();
        auto d = std::make_unique<CDaubrixDoc>(shapes);
        d->NewDrawing(2048, 2048);
        std::mt19937 random(5);
        std::uniform_int_distribution<int> place(0, 2047), hue(0, 359);
        for (int i = 0; i < kGlobs; ++i) {
            shapes.SetCurrentIndex((i / 1000) % std::min(3, shapes.Count()));
            if (i % kChangeEvery == 0)
                d->Records().SetColorChange(i, HsvColor{std::int16_t(hue(random)), 200, 230});
            d->Records().AppendGlob(place(random), place(random));
        }
        return d;
    }();
    return *doc;
}

void Depth(benchmark::State& state, bool light)
{
    GlobStore& records = Drawing().Records();
    const std::vector<CColorChange> original = records.ColorChanges().Items();
    DepthSettings settings;
    settings.entireDrawing = true;
    settings.light = light;
    for (auto _ : state) {
        state.PauseTiming();
        records.EditColorChanges() = original;
        state.ResumeTiming();
        ApplyDepth(records, settings, 0, records.GlobCount(), HsvColor{30, 200, 200});
        benchmark::DoNotOptimize(records.ColorChangeCount());
    }
    records.EditColorChanges() = original;
}

void BM_DepthLight(benchmark::State& state) { Depth(state, true); }
void BM_DepthChromaDepth(benchmark::State& state) { Depth(state, false); }

// Baseline: one copy of the colour-change list, as the undo snapshot takes.
void BM_CopyColorChanges(benchmark::State& state)
{
    const std::vector<CColorChange>& original = Drawing().Records().ColorChanges().Items();
    for (auto _ : state) {
        std::vector<CColorChange> copy = original;
        benchmark::DoNotOptimize(copy.data());
    }
}

} // namespace

BENCHMARK(BM_CopyColorChanges)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DepthLight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DepthChromaDepth)->Unit(benchmark::kMillisecond);
