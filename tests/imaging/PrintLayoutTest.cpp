#include <gtest/gtest.h>

#include "imaging/PrintLayout.h"
#include "imaging/PrintSizeModel.h"

namespace
{
constexpr PrinterPage k600Dpi{4800, 6600, 600, 600};

PrintOptions On(const PrinterPage& page, PrintUnit unit = PrintUnit::Inch, bool centre = true)
{
    return {unit, centre, page};
}
} // namespace

// What the dialog shows and what prints for the cases the size is chosen by.
TEST(PrintSizeModel, TextsAndPrintedSize)
{
    struct Case
    {
        QSize drawing;
        int dotsPerUnit;
        PrintUnit unit;
        const char* width;
        const char* height;
        const char* label;
        QSize printed; // at 600 pixels per inch
    };
    const Case cases[] = {
        {{800, 600}, 100, PrintUnit::Inch, "8.00", "6.00", "inches", {4800, 3600}},
        {{800, 600}, 39, PrintUnit::Cm, "20.51", "15.38", "cm", {4845, 3634}},
        {{1024, 768}, 4, PrintUnit::Mm, "256.00", "192.00", "mm", {6047, 4535}},
    };
    const PrinterPage page{9000, 9000, 600, 600};
    for (const Case& c : cases) {
        const PrintSizeModel model(c.drawing, c.dotsPerUnit, On(page, c.unit));
        EXPECT_EQ(model.DotsPerUnit(), c.dotsPerUnit);
        EXPECT_EQ(model.WidthText(), QLatin1String(c.width));
        EXPECT_EQ(model.HeightText(), QLatin1String(c.height));
        EXPECT_EQ(model.UnitLabel(), QLatin1String(c.label));
        EXPECT_EQ(PrintLayout::PrintedSize(page, c.drawing, c.dotsPerUnit, c.unit), c.printed)
            << c.width;
    }
}

// Every unit change keeps the printed size, rounded half up.
TEST(PrintSizeModel, UnitChangesConvertTheValue)
{
    using enum PrintUnit;
    struct Case
    {
        int value;
        PrintUnit from, to;
        int converted;
    };
    const Case cases[] = {
        {100, Inch, Cm, 39}, {100, Inch, Mm, 4},  {39, Cm, Inch, 99}, {4, Mm, Inch, 102},
        {25, Cm, Mm, 3},     {4, Mm, Cm, 40},     {77, Cm, Cm, 77},   {1, Inch, Cm, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintLayout::ConvertDotsPerUnit(c.value, c.from, c.to), c.converted) << c.value;

    PrintSizeModel model({800, 600}, 100, On({100, 100, 1, 1}));
    model.SetUnit(Cm);
    EXPECT_EQ(model.DotsPerUnit(), 39);
    EXPECT_EQ(model.WidthText(), QLatin1String("20.51"));
    EXPECT_EQ(model.Options().unit, Cm);
    // A value converted below the smallest that fits is raised to it, never to 0.
    PrintSizeModel small({800, 600}, 1, On({100000, 100000, 600, 600}));
    small.SetUnit(Mm);
    EXPECT_EQ(small.DotsPerUnit(), small.Minimum());
    EXPECT_GE(small.Minimum(), 1);
}

// The minimum is the fewest dots per unit at which the printed picture still fits the
// printable area on both sides: the picture it gives is never larger than the page.
TEST(PrintSizeModel, MinimumAndMaxSize)
{
    struct Case
    {
        PrinterPage page;
        QSize drawing;
        PrintUnit unit;
        int minimum;
    };
    const Case cases[] = {
        {k600Dpi, {1600, 1200}, PrintUnit::Inch, 200}, // 4800 across at 200; 199 would print 4824
        {k600Dpi, {1200, 1600}, PrintUnit::Inch, 150}, // across 150, down 146
        {{4800, 6600, 600, 600}, {100, 100}, PrintUnit::Cm, 5}, // 4 would print 5905 across
        {{100000, 100000, 72, 72}, {100, 100}, PrintUnit::Mm, 1},   // would be 0
        {{10, 10, 1200, 1200}, {2048, 2048}, PrintUnit::Inch, 2048}, // would be far above the range
        {{}, {800, 600}, PrintUnit::Inch, 1},                        // no printer read yet
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintLayout::MinimumDotsPerUnit(c.page, c.drawing, c.unit), c.minimum)
            << c.page.width << " " << c.drawing.width();
    }

    PrintSizeModel model({1600, 1200}, 1000, On(k600Dpi));
    EXPECT_EQ(model.Minimum(), 200);
    model.MaxSize();
    EXPECT_EQ(model.DotsPerUnit(), 200);
    EXPECT_EQ(PrintLayout::PrintedSize(k600Dpi, {1600, 1200}, 200, PrintUnit::Inch), QSize(4800, 3600));
    // Opening raises a value below the minimum and keeps one above the range at its top.
    EXPECT_EQ(PrintSizeModel({1600, 1200}, 50, On(k600Dpi)).DotsPerUnit(), 200);
    EXPECT_EQ(PrintSizeModel({1600, 1200}, 5000, On(k600Dpi)).DotsPerUnit(), 2048);
}

// The picture's place on the printable area, in printer pixels.
TEST(PrintLayout, PlaceOnThePage)
{
    const QSize drawing(800, 600);
    EXPECT_EQ(PrintLayout::PrintedRect(k600Dpi, drawing, 100, PrintUnit::Inch, false),
              QRect(0, 0, 4800, 3600));
    EXPECT_EQ(PrintLayout::PrintedRect(k600Dpi, drawing, 100, PrintUnit::Inch, true),
              QRect(0, 1500, 4800, 3600));
    // Integer halves: 4801 / 2 − 1601 / 2 = 2400 − 800.
    const PrinterPage odd{4801, 6601, 600, 600};
    EXPECT_EQ(PrintLayout::PrintedRect(odd, {801, 601}, 300, PrintUnit::Inch, true).topLeft(),
              QPoint(2400 - 801, 3300 - 601));
    // A value of 0 cannot divide: it prints as 1.
    EXPECT_EQ(PrintLayout::PrintedSize(k600Dpi, drawing, 0, PrintUnit::Inch), QSize(480000, 360000));
}

// The preview takes the page's proportions inside the square laid out for it, and the
// picture stays a pixel inside the page.
TEST(PrintSizeModel, Preview)
{
    const QRect laidOut(0, 0, 150, 150);
    PrintSizeModel model({1600, 1200}, 200, On(k600Dpi));
    const QRect page = model.PagePreview(laidOut);
    EXPECT_EQ(page, QRect(20, 0, 109, 150)); // s = 150 / 6600
    // 600 × 1600 / 200 × s is the page's width: clipped one pixel inside.
    EXPECT_EQ(model.PicturePreview(laidOut), QRect(21, 34, 107, 81));
    model.SetCentre(false);
    EXPECT_EQ(model.PicturePreview(laidOut), QRect(21, 1, 107, 80));
    model.SetDotsPerUnit(400);
    EXPECT_EQ(model.PicturePreview(laidOut), QRect(21, 1, 53, 39));
    model.SetCentre(true);
    EXPECT_EQ(model.PicturePreview(laidOut), QRect(47, 55, 54, 40));

    const PrintSizeModel unknown({800, 600}, 100, On({}));
    EXPECT_EQ(unknown.PagePreview(laidOut), laidOut);
    EXPECT_TRUE(unknown.PicturePreview(laidOut).isEmpty());
}
