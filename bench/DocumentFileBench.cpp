// Opening and saving a drawing of a million globs, against moving the same bytes raw.
#include <cstring>

#include <benchmark/benchmark.h>

#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"

namespace {

constexpr int kGlobs = 1'000'000;

struct BigDrawing
{
    BigDrawing()
    {
        doc.NewDrawing(2048, 2048);
        for (int i = 0; i < kGlobs; ++i)
            doc.Records().AppendGlob(i % 2048, i / 2048);
        for (int i = 0; i < kGlobs; i += 500)
            doc.Records().SetColorChange(i, i % 360, 200, 200);
        bytes = doc.Save().bytes;
    }

    ShapeTable shapes;
    CDaubrixDoc doc{shapes};
    QByteArray bytes;
};

BigDrawing& Drawing()
{
    static BigDrawing drawing;
    return drawing;
}

void BM_SaveDrawing(benchmark::State& state)
{
    BigDrawing& big = Drawing();
    for (auto _ : state) {
        const SavedDrawing saved = big.doc.Save();
        benchmark::DoNotOptimize(saved.bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * big.bytes.size());
}

void BM_OpenDrawing(benchmark::State& state)
{
    BigDrawing& big = Drawing();
    ShapeTable shapes;
    CDaubrixDoc doc(shapes);
    for (auto _ : state) {
        if (doc.Load(big.bytes) != LoadError::None)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc.Records().GlobCount());
    }
    state.SetBytesProcessed(state.iterations() * big.bytes.size());
}

// Baseline: a fresh buffer of the file's size filled by memcpy.
void BM_CopySameBytes(benchmark::State& state)
{
    BigDrawing& big = Drawing();
    for (auto _ : state) {
        QByteArray copy(big.bytes.size(), Qt::Uninitialized);
        std::memcpy(copy.data(), big.bytes.constData(), size_t(big.bytes.size()));
        benchmark::DoNotOptimize(copy.constData());
    }
    state.SetBytesProcessed(state.iterations() * big.bytes.size());
}

void BM_HeldBytesPerGlob(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sizeof(CGlob));
    state.counters["bytesPerGlob"] = double(sizeof(CGlob));
    state.counters["fileBytesPerGlob"] = double(Drawing().bytes.size()) / kGlobs;
}

} // namespace

BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopySameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeldBytesPerGlob);
