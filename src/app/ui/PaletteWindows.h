#pragma once

#include <QPointer>
#include <QString>

#include "shapes/ColorPalette.h"
#include "shapes/ui/CColorsWnd.h"
#include "shapes/ui/CShapesWnd.h"

class ActiveDrawing;
class CMainFrame;
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
    // The windows write their last-run files as they go, whether deleted here or with
    // their parent.
    ~PaletteWindows();

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
    QPointer<CShapesWnd> m_shapes;
    QPointer<CColorsWnd> m_colors;
};
