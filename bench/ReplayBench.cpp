// Replaying whole drawings, and one pointer move of a busy stroke, through the code the
// drawing window uses; each against a baseline measured in the same run.
#include <benchmark/benchmark.h>

#include "BenchShapes.h"

#include <QPainter>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "imaging/PaddedImage.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"

namespace {

constexpr int kSize = 2048;
constexpr int kGlobs = 1000000;

ShapeTable& Shapes() { return BenchShapes(); }

// Medium shapes along wandering strokes; a colour change every `changeEvery` globs.
std::unique_ptr<CDaubrixDoc> MakeDrawing(int changeEvery)
{
    ShapeTable& shapes = Shapes();
    auto doc = std::make_unique<CDaubrixDoc>(shapes);
    doc->NewDrawing(kSize, kSize);
    std::mt19937 random(99);
    std::uniform_int_distribution<int> step(-4, 4), jump(0, kSize - 1);
    std::uniform_int_distribution<int> hue(0, 359);
    const int medium = shapes.SelectByPosition(0);
    int x = kSize / 2, y = kSize / 2;
    for (int i = 0; i < kGlobs; ++i) {
        if (i % 500 == 0) {
            x = jump(random);
            y = jump(random);
        }
        x = std::clamp(x + step(random), 0, kSize - 1);
        y = std::clamp(y + step(random), 0, kSize - 1);
        shapes.SetCurrentIndex(medium);
        if (i % changeEvery == 0)
            doc->Records().SetColorChange(i, HsvColor{std::int16_t(hue(random)), 220, 240});
        doc->Records().AppendGlob(x, y);
    }
    return doc;
}

const CDaubrixDoc& Drawing(int changeEvery)
{
    static std::map<int, std::unique_ptr<CDaubrixDoc>> drawings;
    auto& d = drawings[changeEvery];
    if (!d)
        d = MakeDrawing(changeEvery);
    return *d;
}

void BM_ReplayMillionGlobs(benchmark::State& state)
{
    auto& doc = const_cast<CDaubrixDoc&>(Drawing(int(state.range(0))));
    DrawingCanvas canvas(doc, Shapes());
    canvas.SetReplayThreads(int(state.range(1)));
    canvas.Keyframes().SetMinSpacing(INT_MAX); // the replay itself, not a keyframe's copy
    canvas.InitialUpdate();
    canvas.Paint({});
    // What the Regenerate command does: the paper afresh, then every glob.
    for (auto _ : state) {
        canvas.Regenerate();
        benchmark::DoNotOptimize(canvas.Paint({}));
    }
}
// Arguments: a colour change every so many globs; threads (0: one per core).
BENCHMARK(BM_ReplayMillionGlobs)
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Args({1, 1})
    ->Args({1, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The bytes a replay moves: each glob's shape rectangle, at the glob's own place, copied once.
void BM_MemcpySameBytes(benchmark::State& state)
{
    const CDaubrixDoc& doc = Drawing(1000);
    const CShape& shape = Shapes().Shape(Shapes().SelectByPosition(0));
    const int w = shape.Width(), h = shape.Height();
    QImage from(kSize + w, kSize + h, QImage::Format_RGB32), to(kSize + w, kSize + h, QImage::Format_RGB32);
    from.fill(Qt::gray);
    for (auto _ : state) {
        for (const CGlob& g : doc.Records().Globs()) {
            for (int r = 0; r < h; ++r)
                std::memcpy(to.scanLine(g.y + r) + g.x * 4, from.constScanLine(g.y + r) + g.x * 4, size_t(w) * 4);
        }
        benchmark::DoNotOptimize(to.constBits());
    }
}
BENCHMARK(BM_MemcpySameBytes)->Unit(benchmark::kMillisecond);

// The floor a replay is measured against: each glob's 14 x 14 rectangle written once at its
// place from a 14 x 14 source, a copy of known size per row on row pointers taken once.
void BM_CopyFloor(benchmark::State& state)
{
    constexpr int kSide = 14;
    const CDaubrixDoc& doc = Drawing(1000);
    // Argument: the image's width; 0 for the drawing image's own layout (2048 wide, rows padded).
    QImage to = state.range(0) == 0 ? NewPaddedImage(QSize(kSize, kSize + kSide))
                                    : QImage(int(state.range(0)), kSize + kSide, QImage::Format_RGB32);
    to.fill(Qt::black);
    std::vector<QRgb> from(kSide * kSide, qRgb(128, 128, 128));
    uchar* out = to.bits();
    const qsizetype stride = to.bytesPerLine();
    for (auto _ : state) {
        for (const CGlob& g : doc.Records().Globs()) {
            uchar* at = out + qsizetype(g.y) * stride + qsizetype(g.x) * 4;
            for (int r = 0; r < kSide; ++r)
                __builtin_memcpy(at + r * stride, from.data() + r * kSide, kSide * 4);
        }
        benchmark::DoNotOptimize(to.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyFloor)->Arg(kSize + 14)->Arg(kSize)->Arg(0)->Unit(benchmark::kMillisecond);

// The obvious replay: a premultiplied sprite per shape drawn with QPainter.
void BM_ReplayWithQPainter(benchmark::State& state)
{
    const CDaubrixDoc& doc = Drawing(1000);
    ShapeTable& shapes = Shapes();
    std::vector<QImage> sprites;
    for (int i = 0; i < shapes.Count(); ++i) {
        QImage sprite = shapes.Shape(i).Colored().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        sprites.push_back(sprite);
    }
    for (auto _ : state) {
        QImage image(kSize, kSize, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        for (const CGlob& g : doc.Records().Globs()) {
            const QImage& s = sprites[g.shape];
            painter.drawImage(g.x - s.width() / 2, g.y - s.height() / 2, s);
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReplayWithQPainter)->Unit(benchmark::kMillisecond);

// The Drawing History slider let go at positions spread over a 1,000,000-glob drawing, from
// release to a painted picture. Argument 1 turns keyframes off (every move replays from the
// paper or the picture shown), the baseline; argument 2 takes the worst positions, each just
// below a keyframe and far from the one before.
void BM_HistorySliderMove(benchmark::State& state)
{
    auto& doc = const_cast<CDaubrixDoc&>(Drawing(1000));
    ShapeTable& shapes = Shapes();
    DrawingModes modes;
    AutoChangeState drift;
    RandomGenerator random(1);
    DrawingSession session(doc, DrawingTools{shapes, modes, drift, random, nullptr});
    session.InitialUpdate();
    if (state.range(0) == 1)
        session.Canvas().Keyframes().SetMinSpacing(INT_MAX);
    session.Canvas().Paint({});
    std::mt19937 positions(7);
    std::uniform_int_distribution<int> anywhere(0, kGlobs);
    const int worst[] = {200703, 1, 401407, 2, 602111, 3, 802815, 4, kGlobs - 1, 5};
    int step = 0;
    const auto move = [&] {
        const int p = state.range(0) == 2 ? worst[step++ % 10] : anywhere(positions);
        session.History().ReleaseSlider(p);
        benchmark::DoNotOptimize(session.Canvas().Paint({}));
    };
    for (int i = 0; i < 8; ++i) // the first moves lay the keyframes down
        move();
    std::vector<double> times;
    for (auto _ : state) {
        const auto begun = std::chrono::steady_clock::now();
        move();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begun).count());
    }
    // With the worst positions, every other move is a long one (the others step back to the start).
    std::vector<double> counted;
    for (size_t i = 0; i < times.size(); ++i) {
        if (state.range(0) != 2 || i % 2 == 0)
            counted.push_back(times[i]);
    }
    std::sort(counted.begin(), counted.end());
    if (!counted.empty()) {
        state.counters["median move ms"] = counted[counted.size() / 2];
        state.counters["slowest ms"] = counted.back();
    }
    state.counters["keyframe MB"] = double(session.Canvas().Keyframes().Bytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_HistorySliderMove)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// One pointer move with polar 50 and jitter amount 8: 200 globs placed and painted.
void BM_PointerMovePolar50Jitter8(benchmark::State& state)
{
    ShapeTable& shapes = Shapes();
    shapes.SetCurrentIndex(shapes.SelectByPosition(0));
    DrawingModes modes;
    modes.jitter = true;
    modes.jitterAmount = 8;
    modes.symmetry.polar = true;
    modes.symmetry.polarCount = 50;
    AutoChangeState drift;
    RandomGenerator random(1);
    CDaubrixDoc doc(shapes);
    doc.NewDrawing(1024, 768);
    DrawingSession session(doc, DrawingTools{shapes, modes, drift, random, nullptr});
    session.InitialUpdate();
    session.Canvas().Paint({});
    session.Strokes().Press({600, 300}, {});
    session.Canvas().Paint({});
    int step = 0;
    for (auto _ : state) {
        const int x = 600 + (step % 200) - 100, y = 300 + (step / 200 % 100);
        ++step;
        session.Strokes().Move({x, y}, {});
        benchmark::DoNotOptimize(session.Canvas().Paint({}));
        state.PauseTiming();
        if (doc.Records().GlobCount() > 400000) { // keep the list from growing without end
            session.Strokes().Release();
            doc.Records().TruncateGlobs(0);
            session.Canvas().SetHistoryPosition(0);
            session.Strokes().Press({600, 300}, {});
        }
        state.ResumeTiming();
    }
    session.Strokes().Release();
}
BENCHMARK(BM_PointerMovePolar50Jitter8)->Unit(benchmark::kMicrosecond);

} // namespace
