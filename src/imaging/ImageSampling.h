#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QSize>

#include "color/HsvColor.h"
#include "imaging/ImportSettings.h"

// One kept cell of the import grid: its centre in picture coordinates and its average colour
// (all zero when neither the colours nor the order need it).
struct ImportSample
{
    int x = 0;
    int y = 0;
    HsvColor color{0, 0, 0};
};

// What a long import reports and asks while it runs; both may be empty (tools and tests).
struct ImportProgress
{
    std::function<void(int percent)> show;
    std::function<bool()> cancelRequested; // the Esc check: true ends the import
    std::function<void()> outOfMemory;     // a sample found no room; the import goes on without it

    void Show(double percent) const
    {
        if (show)
            show(int(percent));
    }
    bool Cancelled() const { return cancelRequested && cancelRequested(); }
    void OutOfMemory() const
    {
        if (outOfMemory)
            outOfMemory();
    }
};

// The picture at the size a background would take, rows and columns dropped or repeated
// without smoothing, so every sample keeps a colour of the picture's own.
QImage ScaleForImport(const QImage& picture, QSize drawing, BackgroundSizing size);

// The grid spacing for a shape of the given size digit ('0' small, '1' medium, else large).
int ImportGridStep(int sizeDigit, int globSlider);
// Where the picture's origin lies in drawing coordinates, negated: picture (u, v) is
// drawing (u - offset.x, v - offset.y), so that both centres meet.
QPoint ImportOffset(QSize picture, QSize drawing);

// Samples the picture on the staggered grid (percent 0 to 50 of the progress). Nothing when
// the user cancelled.
std::optional<std::vector<ImportSample>> SampleImage(const QImage& source, QSize drawing,
                                                     int step, const ImportSettings& settings,
                                                     const ImportProgress& progress);

// "Get order from image": darkest first, equal values in grid order so a result repeats.
void OrderSamples(std::vector<ImportSample>& samples, ImportOrder order);
