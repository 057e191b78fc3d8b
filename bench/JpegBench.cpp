#include "imaging/JpegFile.h"

#include <QBuffer>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// A 1024 x 1024 picture with smooth gradients and some fine detail, like a photograph.
QImage PhotoLikeImage()
{
    QImage image(1024, 1024, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qRgb(x / 4, y / 4, (x * y / 64 + (x ^ y) % 7) & 0xFF);
    }
    return image;
}

const QImage& Picture()
{
    static const QImage picture = PhotoLikeImage();
    return picture;
}

const QByteArray& PictureJpeg()
{
    static const QByteArray bytes = [] {
        QByteArray out;
        EncodeJpeg(Picture(), 100, out);
        return out;
    }();
    return bytes;
}

void BM_DecodeJpeg(benchmark::State& state)
{
    for (auto _ : state) {
        QImage image;
        benchmark::DoNotOptimize(DecodeJpeg(PictureJpeg(), image).ok);
    }
}

// Baseline: Qt's own JPEG reader on the same bytes.
void BM_DecodeJpegQtReader(benchmark::State& state)
{
    for (auto _ : state) {
        QImage image;
        benchmark::DoNotOptimize(image.loadFromData(PictureJpeg(), "JPEG"));
    }
}

void BM_EncodeJpeg(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray bytes;
        benchmark::DoNotOptimize(EncodeJpeg(Picture(), 100, bytes).ok);
    }
}

// Baseline: Qt's own JPEG writer at the same quality.
void BM_EncodeJpegQtWriter(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        benchmark::DoNotOptimize(Picture().save(&buffer, "JPEG", 100));
    }
}

} // namespace

BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeJpegQtReader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeJpegQtWriter)->Unit(benchmark::kMillisecond);
