#include "imaging/ImportPlacement.h"

#include <cstddef>
#include <cstdlib>

#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "model/GlobStore.h"
#include "shapes/CShape.h"

namespace
{
QPoint Jittered(QPoint p, int amount, RandomGenerator& random)
{
    if (amount <= 0)
        return p;
    const int spread = 3 * amount;
    const int r1 = random.Next(), r2 = random.Next();
    const int r3 = random.Next(), r4 = random.Next();
    return p + QPoint(r1 % spread - r2 % spread, r3 % spread - r4 % spread);
}

bool FurtherThan(const HsvColor& a, const HsvColor& b, int tolerance)
{
    return std::abs(a.hue - b.hue) > tolerance || std::abs(a.saturation - b.saturation) > tolerance ||
           std::abs(a.value - b.value) > tolerance;
}

// "Preserve image colors": a new colour record only where the picture's colour has moved on.
void KeepPictureColor(GlobStore& globs, const HsvColor& color, int colorSlider)
{
    const int count = globs.GlobCount();
    if (count == 1) {
        globs.SetColorChange(0, color);
        return;
    }
    const int tolerance = 50 - 5 * colorSlider;
    const CColorChange* inEffect = globs.GetColorChange(globs.LastColorChangeBefore(count));
    if (!inEffect || FurtherThan(inEffect->Color(), color, tolerance))
        globs.SetColorChange(count - 1, color);
}

// "Use new colors": the shape's colour, drifting glob by glob as it does while painting.
void DriftShapeColor(ImportTools& tools)
{
    const HsvColor now = tools.shape.Color();
    int hue = now.hue, saturation = now.saturation, value = now.value;
    if (!StepAutoChange(tools.drift, tools.ticks, hue, saturation, value, tools.random))
        return;
    const HsvColor drifted{std::int16_t(hue), std::uint8_t(saturation), std::uint8_t(value)};
    tools.globs.SetColorChange(tools.globs.GlobCount() - 1, drifted);
    tools.shape.SetColor(drifted);
    if (tools.colorDrifted)
        tools.colorDrifted(drifted);
}
} // namespace

std::optional<ImportPlacement> ImportPicture(const QImage& picture, const ImportSettings& settings,
                                             ImportTools& tools,
                                             const ImportProgress& progress)
{
    const QSize drawing(tools.globs.DrawingWidth(), tools.globs.DrawingHeight());
    const QImage source = ScaleForImport(picture, drawing, settings.size);
    // The size digit is the third character of the shape's file name; medium when it has none.
    const QString& name = tools.shape.Name();
    const int sizeDigit = name.size() >= 3 ? name.at(2).unicode() : '1';
    const int step = ImportGridStep(sizeDigit, settings.globSlider);
    std::optional<std::vector<ImportSample>> samples =
        SampleImage(source, drawing, step, settings, progress);
    if (!samples)
        return std::nullopt;
    OrderSamples(*samples, settings.order);
    return PlaceImportSamples(*samples, ImportOffset(source.size(), drawing), settings, tools,
                              progress);
}

ImportPlacement PlaceImportSamples(const std::vector<ImportSample>& samples, QPoint offset,
                                   const ImportSettings& settings, ImportTools& tools,
                                   const ImportProgress& progress)
{
    ImportPlacement result;
    const double increment = samples.empty() ? 0.0 : 50.0 / double(samples.size());
    double percent = 50.0;
    for (std::size_t j = 0; j < samples.size(); ++j) {
        percent += increment;
        progress.Show(percent);
        const ImportSample& sample = samples[j];
        const QPoint at = Jittered(QPoint(sample.x, sample.y) - offset, tools.jitterAmount, tools.random);
        if (tools.globs.AddGlob(at.x(), at.y())) {
            ++result.placed;
            if (settings.colors == ImportColors::Preserve)
                KeepPictureColor(tools.globs, sample.color, settings.colorSlider);
            else
                DriftShapeColor(tools);
        }
        if (j % 100 == 0 && progress.Cancelled()) {
            result.cancelled = true;
            break;
        }
    }
    return result;
}
