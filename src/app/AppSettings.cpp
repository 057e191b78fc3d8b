#include "app/AppSettings.h"

#include <algorithm>

#include <QSettings>

namespace
{
enum class Width { Int32, Byte };

struct SettingRow
{
    const char* name;
    int AppSettings::*value;
    Width width;
};

#define DAUBRIX_ROW(name, width) {#name, &AppSettings::name, Width::width}
// In the order the values are written back.
constexpr SettingRow kRows[] = {
    DAUBRIX_ROW(showShapesWindow, Int32),    DAUBRIX_ROW(shapesWindowFlags, Int32),
    DAUBRIX_ROW(shapesWindowShowCmd, Int32), DAUBRIX_ROW(shapesWindowX1, Int32),
    DAUBRIX_ROW(shapesWindowX2, Int32),      DAUBRIX_ROW(shapesWindowY1, Int32),
    DAUBRIX_ROW(shapesWindowY2, Int32),      DAUBRIX_ROW(showColorsWindow, Int32),
    DAUBRIX_ROW(colorsWindowFlags, Int32),   DAUBRIX_ROW(colorsWindowShowCmd, Int32),
    DAUBRIX_ROW(colorsWindowX1, Int32),      DAUBRIX_ROW(colorsWindowY1, Int32),
    DAUBRIX_ROW(showUndoSlider, Int32),      DAUBRIX_ROW(undoSliderFlags, Int32),
    DAUBRIX_ROW(undoSliderShowCmd, Int32),   DAUBRIX_ROW(undoSliderX1, Int32),
    DAUBRIX_ROW(undoSliderY1, Int32),        DAUBRIX_ROW(appWindowFlags, Int32),
    DAUBRIX_ROW(appWindowShowCmd, Int32),    DAUBRIX_ROW(appWindowX1, Int32),
    DAUBRIX_ROW(appWindowX2, Int32),         DAUBRIX_ROW(appWindowY1, Int32),
    DAUBRIX_ROW(appWindowY2, Int32),         DAUBRIX_ROW(SkipMultiplier, Int32),
    DAUBRIX_ROW(SkippingAmount, Int32),      DAUBRIX_ROW(Skipping, Int32),
    DAUBRIX_ROW(LineMode, Int32),            DAUBRIX_ROW(LineDensity, Byte),
    DAUBRIX_ROW(Polar, Int32),               DAUBRIX_ROW(PolarCount, Int32),
    DAUBRIX_ROW(MirrorBoth, Int32),          DAUBRIX_ROW(MirrorHorizontal, Int32),
    DAUBRIX_ROW(MirrorVertical, Int32),      DAUBRIX_ROW(Jitter, Int32),
    DAUBRIX_ROW(JitterAmount, Byte),         DAUBRIX_ROW(AutoSat, Byte),
    DAUBRIX_ROW(AutoSatSpeed, Byte),         DAUBRIX_ROW(AutoVal, Byte),
    DAUBRIX_ROW(AutoValSpeed, Byte),         DAUBRIX_ROW(AutoHue, Byte),
    DAUBRIX_ROW(AutoHueSpeed, Byte),
    DAUBRIX_ROW(AutoSaveMinutes, Int32),
};
#undef DAUBRIX_ROW

int ReadInt(const QSettings& settings, const char* name, int fallback)
{
    bool ok = false;
    const qlonglong value = settings.value(QLatin1String(name)).toLongLong(&ok);
    return ok ? int(quint32(quint64(value))) : fallback;
}

// Moves a span so that it ends at newHigh, keeping its length.
void PullBack(int& low, int& high, int newHigh)
{
    const int shift = high - newHigh;
    low -= shift;
    high = newHigh;
}
} // namespace

void AppSettings::Read(QSettings& settings, QSize screen)
{
    const AppSettings defaults;
    settings.beginGroup(QLatin1String(kGroup));
    for (const SettingRow& row : kRows) {
        int value = ReadInt(settings, row.name, defaults.*row.value);
        this->*row.value = row.width == Width::Byte ? (value & 0xff) : value;
    }
    settings.endGroup();
    KeepPalettesOnScreen(screen);
}

void AppSettings::Write(QSettings& settings) const
{
    settings.beginGroup(QLatin1String(kGroup));
    for (const SettingRow& row : kRows)
        settings.setValue(QLatin1String(row.name), this->*row.value);
    settings.endGroup();
}

void AppSettings::KeepPalettesOnScreen(QSize screen)
{
    const int w = screen.width();
    const int h = screen.height();
    if (shapesWindowX1 >= w - 5)
        PullBack(shapesWindowX1, shapesWindowX2, w - 10);
    if (shapesWindowY1 >= h - 35)
        PullBack(shapesWindowY1, shapesWindowY2, h - 10);
    if (colorsWindowX1 >= w - 20)
        colorsWindowX1 = w - 165;
    if (colorsWindowY1 >= h - 35)
        colorsWindowY1 = h - 140;
    if (undoSliderX1 >= w - 20)
        undoSliderX1 = w - 250;
    if (undoSliderY1 >= h - 35)
        undoSliderY1 = h - 52;
}

void AppSettings::KeepMainWindowOnScreen(QSize screen)
{
    if (appWindowX2 >= screen.width())
        appWindowX2 = screen.width() - 1;
    if (appWindowY2 >= screen.height())
        appWindowY2 = screen.height() - 1;
    if (appWindowX2 > appWindowX1 && appWindowY2 > appWindowY1)
        return;
    const AppSettings defaults;
    appWindowX1 = defaults.appWindowX1;
    appWindowY1 = defaults.appWindowY1;
    appWindowX2 = std::min(defaults.appWindowX2, screen.width() - 1);
    appWindowY2 = std::min(defaults.appWindowY2, screen.height() - 1);
}
