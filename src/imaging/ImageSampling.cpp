#include "imaging/ImageSampling.h"

#include <algorithm>
#include <new>

#include "color/ColorConversion.h"

QImage ScaleForImport(const QImage& picture, QSize drawing, BackgroundSizing size)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QSize target = PlacedBackgroundSize(source.size(), drawing, size);
    if (target == source.size() || target.isEmpty())
        return source;
    return source.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

int ImportGridStep(int sizeDigit, int globSlider)
{
    const int base = sizeDigit == '0' ? 7 : sizeDigit == '1' ? 12 : 18;
    return std::max(2, base - globSlider + 5);
}

QPoint ImportOffset(QSize picture, QSize drawing)
{
    return QPoint(picture.width() / 2 - drawing.width() / 2,
                  picture.height() / 2 - drawing.height() / 2);
}

// A million samples stay within 12 MB, and the sort's buffer within as much again.
static_assert(sizeof(ImportSample) <= 12);

namespace
{
struct CellSum
{
    long long red = 0, green = 0, blue = 0;
    int pixels = 0;   // read inside the picture
    int keyPixels = 0; // equal to the background key colour
};

CellSum SumCell(const QImage& image, int u, int v, int half, QRgb key)
{
    CellSum sum;
    const int top = std::max(0, v - half), bottom = std::min(image.height(), v + half);
    const int left = std::max(0, u - half), right = std::min(image.width(), u + half);
    for (int y = top; y < bottom; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = left; x < right; ++x) {
            const QRgb p = row[x] | 0xFF000000u;
            sum.red += qRed(p);
            sum.green += qGreen(p);
            sum.blue += qBlue(p);
            ++sum.pixels;
            sum.keyPixels += p == key;
        }
    }
    return sum;
}

bool NearTheDrawing(int u, int v, QPoint offset, QSize drawing, int step)
{
    const int x = u - offset.x(), y = v - offset.y();
    return -step < x && x < drawing.width() + step && -step < y && y < drawing.height() + step;
}
} // namespace

std::optional<std::vector<ImportSample>> SampleImage(const QImage& source, QSize drawing,
                                                     int step, const ImportSettings& settings,
                                                     const ImportProgress& progress)
{
    std::vector<ImportSample> samples;
    if (source.isNull() || step < 1)
        return samples;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const QPoint offset = ImportOffset(image.size(), drawing);
    const int half = step / 2;
    const QRgb key = image.pixel(0, 0) | 0xFF000000u;
    const bool needColour =
        settings.colors == ImportColors::Preserve || settings.order == ImportOrder::FromImage;
    const int rows = image.height() / step;
    const double rowIncrement = rows > 0 ? 50.0 / rows : 50.0;
    // Room for every cell of the grid at once: a million samples never pass through the
    // copies a growing list makes.
    try {
        samples.reserve(size_t(rows + 1) * size_t(image.width() / step + 1));
    } catch (const std::bad_alloc&) {
        // The list grows as it goes instead.
    }
    double percent = 0.0;
    int row = 0;
    for (int v = half; v < image.height(); v += step, ++row) {
        for (int u = row % 2 == 0 ? half : 0; u < image.width(); u += step) {
            if (!NearTheDrawing(u, v, offset, drawing, step))
                continue;
            const CellSum sum = SumCell(image, u, v, half, key);
            if (sum.pixels == 0)
                continue;
            if (settings.background == ImportBackground::Remove &&
                sum.keyPixels >= std::max(sum.pixels / 4, 1))
                continue;
            ImportSample sample{u, v, HsvColor{0, 0, 0}};
            if (needColour)
                sample.color = RgbToHsvColor(int(sum.red / sum.pixels), int(sum.green / sum.pixels),
                                             int(sum.blue / sum.pixels));
            try {
                samples.push_back(sample);
            } catch (const std::bad_alloc&) {
                progress.OutOfMemory(); // that cell is left out
            }
        }
        percent += rowIncrement;
        progress.Show(percent);
        if (progress.Cancelled())
            return std::nullopt;
    }
    return samples;
}

void OrderSamples(std::vector<ImportSample>& samples, ImportOrder order)
{
    if (order != ImportOrder::FromImage)
        return;
    std::stable_sort(samples.begin(), samples.end(),
                     [](const ImportSample& a, const ImportSample& b) {
                         return a.color.value < b.color.value;
                     });
}
