#pragma once

#include <QSize>

class QSettings;

// Every value the program keeps in the "Settings" group, with its default. Window values are
// placements recorded by the main frame and the palettes; the rest are drawing modes.
class AppSettings
{
public:
    static constexpr const char* kGroup = "Settings";

    int appWindowFlags = 0;
    int appWindowShowCmd = 1;
    int appWindowX1 = 0;
    int appWindowX2 = 639;
    int appWindowY1 = 0;
    int appWindowY2 = 479;
    int showShapesWindow = 1;
    int shapesWindowFlags = 0;
    int shapesWindowShowCmd = 1;
    int shapesWindowX1 = 10;
    int shapesWindowX2 = 110;
    int shapesWindowY1 = 105;
    int shapesWindowY2 = 235;
    int showColorsWindow = 1;
    int colorsWindowFlags = 0;
    int colorsWindowShowCmd = 1;
    int colorsWindowX1 = 10;
    int colorsWindowY1 = 250;
    int showUndoSlider = 1;
    int undoSliderFlags = 0;
    int undoSliderShowCmd = 1;
    int undoSliderX1 = 10;
    int undoSliderY1 = 400;
    int SkipMultiplier = 1;
    int SkippingAmount = 1;
    int Skipping = 0;
    int LineMode = 0;
    int LineDensity = 4;
    int Polar = 1;
    int PolarCount = 5;
    int MirrorBoth = 0;
    int MirrorHorizontal = 0;
    int MirrorVertical = 0;
    int Jitter = 1;
    int JitterAmount = 3;
    int AutoSat = 0;
    int AutoSatSpeed = 5;
    int AutoVal = 0;
    int AutoValSpeed = 5;
    int AutoHue = 0;
    int AutoHueSpeed = 5;
    // Minutes between recovery copies of a drawing with unsaved changes; 0 or less: none.
    int AutoSaveMinutes = 2;

    // Reads every value (missing or non-numeric ones take their default), cuts the byte-sized
    // ones to their low 8 bits and pulls the palettes back onto a screen of the given size.
    void Read(QSettings& settings, QSize screen);
    // Writes every value as a 32-bit integer.
    void Write(QSettings& settings) const;

    void KeepPalettesOnScreen(QSize screen);
    // The main window's stored rectangle, pulled inside the screen; a rectangle that ends up
    // empty falls back to the default placement.
    void KeepMainWindowOnScreen(QSize screen);
};
