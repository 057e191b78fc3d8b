#pragma once

#include <memory>

#include <QString>

#include "color/ColorPalette.h"

class ActiveDrawing;
class CColorsWnd;
class CMainFrame;
class CShapesWnd;
class PaletteList;
class QWidget;
class RandomGenerator;
class ShapeTable;
struct PaletteRegistration;

// The Shapes and Colors palettes with the colour state they share, made in the order that
// lets the last run's colour history have the final word on the current colour.
class PaletteWindows
{
public:
    PaletteWindows(ShapeTable& shapes, ActiveDrawing* drawing, RandomGenerator& random,
                   const QString& programFolder, QWidget* parent);
    ~PaletteWindows(); // the windows write their last-run files

    ColorPalette& Palette() { return m_palette; }
    CShapesWnd& Shapes() { return *m_shapes; }
    CColorsWnd& Colors() { return *m_colors; }

    // Hands both windows to the frame: toggle commands, visibility and placement settings.
    void RegisterWith(CMainFrame& frame);
    void RegisterWith(PaletteList& list);

    PaletteRegistration ShapesRegistration() const;
    PaletteRegistration ColorsRegistration() const;

private:
    ColorPalette m_palette;
    std::unique_ptr<CShapesWnd> m_shapes;
    std::unique_ptr<CColorsWnd> m_colors;
};
