// A movie of a 100,000-glob 1024 × 768 drawing at 30 frames a second for 10 seconds (300
// frames): the incremental frame replay alone, the whole H.264 movie, and the PNG sequence
// against QImage::save of one frame, measured in the same run.
#include <benchmark/benchmark.h>

#include "BenchShapes.h"

#include <random>

#include <QTemporaryDir>

#include "imaging/MovieOutput.h"
#include "model/CDaubrixDoc.h"
#include "view/DrawingCanvas.h"
#include "view/MovieFrames.h"
#include "view/MovieRecorder.h"

namespace
{
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kGlobs = 100000;

struct Drawing
{
    CDaubrixDoc doc{BenchShapes()};
    DrawingCanvas canvas{doc, BenchShapes()};
};

// Medium shapes along wandering strokes, a colour change every 200 globs.
Drawing& TheDrawing()
{
    static Drawing* drawing = [] {
        auto* d = new Drawing;
        ShapeTable& shapes = BenchShapes();
        d->doc.NewDrawing(kWidth, kHeight);
        std::mt19937 random(7);
        std::uniform_int_distribution<int> step(-4, 4), hue(0, 359);
        const int medium = shapes.SelectByPosition(0);
        int x = kWidth / 2, y = kHeight / 2;
        for (int i = 0; i < kGlobs; ++i) {
            if (i % 400 == 0) {
                x = int(random() % kWidth);
                y = int(random() % kHeight);
            }
            x = std::clamp(x + step(random), 0, kWidth - 1);
            y = std::clamp(y + step(random), 0, kHeight - 1);
            shapes.SetCurrentIndex(medium);
            if (i % 200 == 0)
                d->doc.Records().SetColorChange(i, HsvColor{std::int16_t(hue(random)), 220, 240});
            d->doc.Records().AppendGlob(x, y);
        }
        d->canvas.InitialUpdate();
        return d;
    }();
    return *drawing;
}

MovieSettings TenSeconds()
{
    MovieSettings s;
    s.framesPerSecond = 30;
    s.seconds = 10;
    s.holdSeconds = 0;
    return s;
}

MovieSource Source()
{
    Drawing& d = TheDrawing();
    return {d.doc, d.canvas, BenchShapes(), kGlobs};
}

void SetFrameCounters(benchmark::State& state, int frames)
{
    state.counters["frames"] = frames;
    state.counters["fps"] = benchmark::Counter(double(frames) * double(state.iterations()), benchmark::Counter::kIsRate);
}

// The frames only: each replays the globs since the one before.
void BM_MovieFrameReplay(benchmark::State& state)
{
    const std::vector<int> plan = PlanMovie(TenSeconds(), kGlobs, TheDrawing().doc.Records().CurrentSections());
    for (auto _ : state) {
        MovieFrames frames(TheDrawing().canvas, BenchShapes(), kGlobs);
        for (int shown : plan)
            benchmark::DoNotOptimize(frames.ShowUpTo(shown).constBits());
    }
    SetFrameCounters(state, int(plan.size()));
}
BENCHMARK(BM_MovieFrameReplay)->Unit(benchmark::kMillisecond);

void Record(benchmark::State& state, const QString& name)
{
    QTemporaryDir dir;
    int frames = 0;
    for (auto _ : state) {
        const std::unique_ptr<MovieWriter> writer = MakeMovieWriter(dir.filePath(name));
        const MovieResult made = RecordMovie(Source(), TenSeconds(), *writer);
        if (made.outcome != MovieOutcome::Done)
            state.SkipWithError("the movie failed");
        frames = made.frames;
    }
    SetFrameCounters(state, frames);
}

void BM_MovieH264(benchmark::State& state)
{
    Record(state, QStringLiteral("movie.mp4"));
}
BENCHMARK(BM_MovieH264)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MoviePngSequence(benchmark::State& state)
{
    Record(state, QStringLiteral("frames"));
}
BENCHMARK(BM_MoviePngSequence)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baseline: one finished frame written by QImage::save.
void BM_QImageSaveOneFrame(benchmark::State& state)
{
    QTemporaryDir dir;
    const QImage frame = TheDrawing().canvas.RenderAll();
    const QString path = dir.filePath(QStringLiteral("frame.png"));
    for (auto _ : state)
        benchmark::DoNotOptimize(frame.save(path));
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_QImageSaveOneFrame)->Unit(benchmark::kMillisecond);
} // namespace
