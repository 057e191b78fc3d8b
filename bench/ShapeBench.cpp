// Stamping and recolouring globs, each against the obvious way of doing the same.
#include <benchmark/benchmark.h>

#include <QPainter>

#include <filesystem>
#include <random>
#include <vector>

#include "color/ColorConversion.h"
#include "shapes/BitmapFile.h"
#include "shapes/CShape.h"

namespace {

constexpr int kCanvasSize = 2048;
constexpr int kStamps = 1000000;

CShape LoadShape(const char* name)
{
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "shapes";
    QImage image;
    if (!LoadBitmapFile(QString::fromStdString((folder / name).string()), image))
        throw std::runtime_error(std::string("cannot read shape ") + name);
    CShape shape(QString::fromLatin1(name), image);
    shape.Prepare();
    shape.Recolor(210, 200, 230);
    return shape;
}

// A pointer wandering over the drawing, now and then a little past its edges.
const std::vector<QPoint>& Path()
{
    static const std::vector<QPoint> path = [] {
        std::mt19937 random(12345);
        std::uniform_int_distribution<int> step(-4, 4);
        std::vector<QPoint> points;
        points.reserve(kStamps);
        int x = kCanvasSize / 2;
        int y = kCanvasSize / 2;
        for (int i = 0; i < kStamps; ++i) {
            x = std::clamp(x + step(random), -19, kCanvasSize + 18);
            y = std::clamp(y + step(random), -19, kCanvasSize + 18);
            points.emplace_back(x, y);
        }
        return points;
    }();
    return path;
}

QImage Canvas()
{
    QImage canvas(kCanvasSize, kCanvasSize, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

void BM_DrawMillionGlobs(benchmark::State& state)
{
    const CShape shape = LoadShape("a-1blob.bmp");
    QImage canvas = Canvas();
    const auto& path = Path();
    for (auto _ : state) {
        for (const QPoint& p : path)
            shape.Draw(canvas, p.x(), p.y());
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kStamps);
}

// The same sprite with a transparent background, drawn by QPainter (source over).
void BM_DrawMillionGlobsWithQPainter(benchmark::State& state)
{
    const CShape shape = LoadShape("a-1blob.bmp");
    QImage sprite = shape.Colored().convertToFormat(QImage::Format_ARGB32);
    const QRgb background = shape.Source().pixel(0, 0);
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if (shape.Source().pixel(x, y) == background)
                sprite.setPixel(x, y, qRgba(0, 0, 0, 0));
    sprite = sprite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage canvas = Canvas();
    const auto& path = Path();
    const int halfWidth = sprite.width() / 2;
    const int halfHeight = sprite.height() / 2;
    for (auto _ : state) {
        QPainter painter(&canvas);
        for (const QPoint& p : path)
            painter.drawImage(QPoint(p.x() - halfWidth, p.y() - halfHeight), sprite);
        painter.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kStamps);
}

struct Colour
{
    int hue, saturation, value;
};

const std::vector<Colour>& Colours()
{
    static const std::vector<Colour> colours = [] {
        std::mt19937 random(777);
        std::vector<Colour> list;
        for (int i = 0; i < 4096; ++i)
            list.push_back({int(random() % 361), int(random() % 256), int(random() % 256)});
        return list;
    }();
    return colours;
}

const char* ShapeName(int which) { return which == 0 ? "a-1blob.bmp" : "g-2hairy.bmp"; }

void BM_Recolor(benchmark::State& state)
{
    CShape shape = LoadShape(ShapeName(int(state.range(0))));
    const auto& colours = Colours();
    size_t i = 0;
    for (auto _ : state) {
        const Colour& c = colours[i++ % colours.size()];
        shape.Recolor(c.hue, c.saturation, c.value);
        benchmark::DoNotOptimize(shape.Colored().constBits());
    }
    state.SetLabel(ShapeName(int(state.range(0))));
}

// Every pixel converted on its own, as the colouring rule reads.
void BM_RecolorPixelByPixel(benchmark::State& state)
{
    const CShape shape = LoadShape(ShapeName(int(state.range(0))));
    const QImage& source = shape.Source();
    QImage colored = shape.Colored();
    const QRgb background = source.pixel(0, 0);
    const auto& colours = Colours();
    size_t i = 0;
    for (auto _ : state) {
        const Colour& c = colours[i++ % colours.size()];
        const float sFactor = ByteFraction(c.saturation);
        const float vFactor = ByteFraction(c.value);
        for (int y = 0; y < source.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(colored.scanLine(y));
            for (int x = 0; x < source.width(); ++x) {
                if (in[x] == background)
                    continue;
                const HsvFractions f = RgbToHsv(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
                const RgbColor rgb = HsvToRgb(c.hue, sFactor * f.saturation, (vFactor * f.saturation + (1 - f.saturation)) * f.value);
                out[x] = qRgb(RgbRed(rgb), RgbGreen(rgb), RgbBlue(rgb));
            }
        }
        benchmark::DoNotOptimize(colored.constBits());
    }
    state.SetLabel(ShapeName(int(state.range(0))));
}

} // namespace

BENCHMARK(BM_DrawMillionGlobs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawMillionGlobsWithQPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Recolor)->Arg(0)->Arg(1);
BENCHMARK(BM_RecolorPixelByPixel)->Arg(0)->Arg(1);
