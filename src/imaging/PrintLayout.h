#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// The length a drawing's dots per unit count in: 0 inch, 1 cm, 2 mm.
enum class PrintUnit { Inch = 0, Cm = 1, Mm = 2 };

// The printable area of the printer last read: its size in printer pixels and the printer
// pixels per inch across and down.
struct PrinterPage
{
    int width = 0;
    int height = 0;
    int resolutionX = 1;
    int resolutionY = 1;

    bool Known() const { return width > 0 && height > 0 && resolutionX > 0 && resolutionY > 0; }
    bool operator==(const PrinterPage&) const = default;
};

// What the program keeps for its run: the unit, centring, and the printer last read.
struct PrintOptions
{
    PrintUnit unit = PrintUnit::Inch;
    bool centre = true;
    PrinterPage page;
};

// How a drawing of some size lands on a printer page at a number of drawing pixels per unit.
namespace PrintLayout
{
constexpr int kMaximumDotsPerUnit = 2048;

double UnitsPerInch(PrintUnit unit);    // 1, 2.54, 25.4
QString UnitLabel(PrintUnit unit);      // "inches", "cm", "mm"
QString UnitName(PrintUnit unit);       // "inch", "cm", "mm", as the unit list shows them
PrintUnit UnitFromIndex(int index);     // anything out of range is inch

// The fewest dots per unit at which the drawing still fits the page; never below 1 and
// never above the maximum. 1 when the page is not known.
int MinimumDotsPerUnit(const PrinterPage& page, QSize drawing, PrintUnit unit);

// The same printed size in another unit, rounded half up.
int ConvertDotsPerUnit(int dotsPerUnit, PrintUnit from, PrintUnit to);

// The printed length of a drawing length in units, as the dialog shows it ("%1.2f").
QString LengthText(int drawingLength, int dotsPerUnit);

// The picture on the page in printer pixels, relative to the printable area's top-left:
// at (0, 0), or centred with integer halves.
QSize PrintedSize(const PrinterPage& page, QSize drawing, int dotsPerUnit, PrintUnit unit);
QRect PrintedRect(const PrinterPage& page, QSize drawing, int dotsPerUnit, PrintUnit unit,
                  bool centre);
} // namespace PrintLayout
