#include "imaging/PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace
{
int Index(PrintUnit unit)
{
    return static_cast<int>(unit);
}

// Dots per unit stays a divisor: a value below 1 would print nothing, or divide by zero.
int AtLeastOne(int dotsPerUnit)
{
    return std::max(dotsPerUnit, 1);
}

// One side's printed length in printer pixels, truncated as it prints.
int PrintedLength(int resolution, int drawingLength, int dotsPerUnit, double unitsPerInch)
{
    return int(std::trunc(resolution * double(drawingLength) / (dotsPerUnit * unitsPerInch)));
}

// The fewest dots per unit at which one side's printed length stays within the page
// (res × length / (d × x) < page + 1), or one past the range when none in it does.
int FittingAlong(int resolution, int drawingLength, double unitsPerInch, int pageLength)
{
    const int limit = PrintLayout::kMaximumDotsPerUnit + 1;
    const double estimate = resolution * double(drawingLength) / unitsPerInch / (pageLength + 1.0);
    if (estimate >= limit)
        return limit;
    const auto fits = [&](int d) { return PrintedLength(resolution, drawingLength, d, unitsPerInch) <= pageLength; };
    int d = std::max(1, int(estimate) + 1);
    // The estimate may be one off either way: the printed length decides.
    while (d > 1 && fits(d - 1))
        --d;
    while (d < limit && !fits(d))
        ++d;
    return d;
}
} // namespace

double PrintLayout::UnitsPerInch(PrintUnit unit)
{
    switch (unit) {
    case PrintUnit::Cm: return 2.54;
    case PrintUnit::Mm: return 25.4;
    case PrintUnit::Inch: break;
    }
    return 1.0;
}

QString PrintLayout::UnitLabel(PrintUnit unit)
{
    static const char* const kLabels[] = {"inches", "cm", "mm"};
    return QLatin1String(kLabels[Index(unit)]);
}

QString PrintLayout::UnitName(PrintUnit unit)
{
    static const char* const kNames[] = {"inch", "cm", "mm"};
    return QLatin1String(kNames[Index(unit)]);
}

PrintUnit PrintLayout::UnitFromIndex(int index)
{
    return index == 1 ? PrintUnit::Cm : index == 2 ? PrintUnit::Mm : PrintUnit::Inch;
}

int PrintLayout::MinimumDotsPerUnit(const PrinterPage& page, QSize drawing, PrintUnit unit)
{
    if (!page.Known())
        return 1;
    const double x = UnitsPerInch(unit);
    const int down = FittingAlong(page.resolutionY, drawing.height(), x, page.height);
    const int across = FittingAlong(page.resolutionX, drawing.width(), x, page.width);
    return std::clamp(std::max(down, across), 1, kMaximumDotsPerUnit);
}

int PrintLayout::ConvertDotsPerUnit(int dotsPerUnit, PrintUnit from, PrintUnit to)
{
    // Row: the old unit, column: the new one; the printed size stays the same.
    static constexpr double kFactor[3][3] = {
        {1.0, 0.39370078, 0.03937008},
        {2.54, 1.0, 0.1},
        {25.4, 10.0, 1.0},
    };
    return int(std::floor(dotsPerUnit * kFactor[Index(from)][Index(to)] + 0.5));
}

QString PrintLayout::LengthText(int drawingLength, int dotsPerUnit)
{
    return QString::asprintf("%1.2f", double(drawingLength) / AtLeastOne(dotsPerUnit));
}

QSize PrintLayout::PrintedSize(const PrinterPage& page, QSize drawing, int dotsPerUnit,
                               PrintUnit unit)
{
    const int dots = AtLeastOne(dotsPerUnit);
    const double x = UnitsPerInch(unit);
    return {PrintedLength(page.resolutionX, drawing.width(), dots, x),
            PrintedLength(page.resolutionY, drawing.height(), dots, x)};
}

QRect PrintLayout::PrintedRect(const PrinterPage& page, QSize drawing, int dotsPerUnit,
                               PrintUnit unit, bool centre)
{
    const QSize size = PrintedSize(page, drawing, dotsPerUnit, unit);
    if (!centre)
        return {QPoint(0, 0), size};
    return {QPoint(page.width / 2 - size.width() / 2, page.height / 2 - size.height() / 2), size};
}
