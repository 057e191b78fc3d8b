// Turning a photograph-sized picture into globs: sampling, ordering and placing about a
// million of them, against one pass that reads every pixel of the same picture.
#include <benchmark/benchmark.h>

#include "BenchShapes.h"

#include <cmath>
#include <memory>
#include <random>

#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "imaging/ImportPlacement.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"

namespace
{
constexpr int kSize = 2048;

ShapeTable& Shapes() { return BenchShapes(); }

// Smooth colour fields with fine noise over a pale sky at the top-left, like a photograph:
// every cell has its own average and only a few match the background key.
const QImage& Photo()
{
    static const QImage photo = [] {
        QImage image(kSize, kSize, QImage::Format_RGB32);
        std::mt19937 random(7);
        std::uniform_int_distribution<int> noise(-12, 12);
        for (int y = 0; y < kSize; ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < kSize; ++x) {
                const double fx = x / double(kSize), fy = y / double(kSize);
                const int r = int(128 + 100 * std::sin(6 * fx + 2 * fy)) + noise(random);
                const int g = int(128 + 100 * std::cos(5 * fy - 3 * fx)) + noise(random);
                const int b = int(128 + 90 * std::sin(4 * (fx + fy))) + noise(random);
                row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
            }
        }
        return image;
    }();
    return photo;
}

int SmallShape()
{
    ShapeTable& shapes = Shapes();
    for (int i = 0; i < shapes.Count(); ++i)
        if (shapes.Shape(i).Name().size() >= 3 && shapes.Shape(i).Name().at(2) == QLatin1Char('0'))
            return i;
    return 0;
}

void BM_ImportPhotoMillionGlobs(benchmark::State& state)
{
    ShapeTable& shapes = Shapes();
    if (shapes.Count() == 0) {
        state.SkipWithError("no shapes beside the program");
        return;
    }
    shapes.SetCurrentIndex(SmallShape());
    const QImage& photo = Photo();
    ImportSettings settings;
    settings.globSlider = 10; // step 2
    AutoChangeState drift;
    AutoChangeCounters ticks;
    RandomGenerator random(1);
    std::size_t placed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CDaubrixDoc>(shapes);
        doc->NewDrawing(kSize, kSize);
        ImportTools tools{doc->Records(), shapes.Current(), drift, ticks, random, 0, {}};
        state.ResumeTiming();
        const auto result = ImportPicture(photo, settings, tools, ImportProgress{});
        benchmark::DoNotOptimize(result);
        placed = std::size_t(doc->Records().GlobCount());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["globs"] = double(placed);
}
BENCHMARK(BM_ImportPhotoMillionGlobs)->Unit(benchmark::kMillisecond);

// Baseline: every pixel of the picture read once, summed per channel.
void BM_ReadEveryPixel(benchmark::State& state)
{
    const QImage& photo = Photo();
    for (auto _ : state) {
        long long sum = 0;
        for (int y = 0; y < photo.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(photo.constScanLine(y));
            for (int x = 0; x < photo.width(); ++x)
                sum += qRed(row[x]) + qGreen(row[x]) + qBlue(row[x]);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadEveryPixel)->Unit(benchmark::kMillisecond);
} // namespace
