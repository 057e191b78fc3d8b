// Cut, Copy and Paste on a drawing of a million globs: the record work only; the replay
// that follows a paste is the replay benchmark's.
#include <benchmark/benchmark.h>

#include "BenchShapes.h"
#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "imaging/TransferStores.h"
#include "model/CDaubrixDoc.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"

namespace {

constexpr int kGlobs = 1'000'000;
constexpr int kRun = 100'000;

// A million globs in strokes of 1,000, each stroke of its own shape and colour.
struct MillionGlobDrawing
{
    MillionGlobDrawing()
    {
        doc.NewDrawing(2048, 2048);
        std::vector<CGlob> globs;
        std::vector<CColorChange> changes;
        globs.reserve(kGlobs);
        for (int i = 0; i < kGlobs; ++i) {
            if (i % 1000 == 0)
                changes.emplace_back(i, (i / 1000) % 360, 255, 255);
            globs.emplace_back(i % 2048, (i / 2048) % 2048, (i / 1000) % BenchShapes().Count());
        }
        Sections sections;
        sections.count = 10;
        for (int b = 0; b < 10; ++b)
            sections.boundaries[size_t(b)] = kGlobs - 9000 + 1000 * b;
        sections.base = kGlobs - 10000;
        doc.Records().AdoptRecords(std::move(globs), std::move(changes), sections);
        session.InitialUpdate();
    }

    DrawingModes modes;
    AutoChangeState autoChange;
    RandomGenerator random{1};
    TransferStores stores;
    CDaubrixDoc doc{BenchShapes()};
    DrawingSession session{doc, DrawingTools{BenchShapes(), modes, autoChange, random, nullptr, nullptr, &stores}};
};

MillionGlobDrawing& Drawing()
{
    static MillionGlobDrawing drawing;
    return drawing;
}

// The baseline: one copy of the glob list.
void BM_CopyGlobList(benchmark::State& state)
{
    const std::vector<CGlob>& globs = Drawing().doc.Records().Globs();
    for (auto _ : state) {
        std::vector<CGlob> copy = globs;
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyGlobList)->Unit(benchmark::kMillisecond);

void BM_CopyEntireDrawing(benchmark::State& state)
{
    MillionGlobDrawing& d = Drawing();
    for (auto _ : state) {
        d.session.Transfers().Copy(d.stores.clip, RunRange::EntireDrawing);
        benchmark::DoNotOptimize(d.stores.clip.GlobCount());
    }
}
BENCHMARK(BM_CopyEntireDrawing)->Unit(benchmark::kMillisecond);

// A run of 100,000 globs for the clipboard, and the history position halfway.
MillionGlobDrawing& ReadyToPaste()
{
    MillionGlobDrawing& d = Drawing();
    d.stores.clip.Clear();
    d.stores.clip.AddGlobs(std::span<const CGlob>(d.doc.Records().Globs().data(), size_t(kRun)));
    d.stores.clip.AddColorChange(0, 0, 255, 255);
    d.session.Canvas().SetHistoryPosition(kGlobs / 2);
    return d;
}

void BM_PasteIntoTheMiddle(benchmark::State& state)
{
    MillionGlobDrawing& d = ReadyToPaste();
    for (auto _ : state) {
        d.session.Transfers().Paste(d.stores.clip, RunColors::Preserve);
        state.PauseTiming();
        d.session.History().Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteIntoTheMiddle)->Unit(benchmark::kMillisecond);

void BM_UndoPaste(benchmark::State& state)
{
    MillionGlobDrawing& d = ReadyToPaste();
    for (auto _ : state) {
        state.PauseTiming();
        d.session.Transfers().Paste(d.stores.clip, RunColors::Preserve);
        state.ResumeTiming();
        d.session.History().Undo();
    }
}
BENCHMARK(BM_UndoPaste)->Unit(benchmark::kMillisecond);

} // namespace
