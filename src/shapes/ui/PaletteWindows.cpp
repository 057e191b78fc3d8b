#include "shapes/ui/PaletteWindows.h"

#include "app/CommandTable.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/PaletteList.h"

PaletteWindows::PaletteWindows(ShapeTable& shapes, ActiveDrawing* drawing,
                               RandomGenerator& random, const QString& programFolder,
                               QWidget* parent)
    : m_palette(shapes, drawing),
      m_shapes(new CShapesWnd(m_palette, random, programFolder, parent)),
      m_colors(new CColorsWnd(m_palette, random, programFolder, parent))
{
}

PaletteWindows::~PaletteWindows()
{
    delete m_colors.data();
    delete m_shapes.data();
}

PaletteRegistration PaletteWindows::ShapesRegistration() const
{
    PaletteRegistration r;
    r.window = m_shapes.data();
    r.commandId = CommandId::ToggleShapes;
    r.visible = &AppSettings::showShapesWindow;
    r.flags = &AppSettings::shapesWindowFlags;
    r.showCmd = &AppSettings::shapesWindowShowCmd;
    r.x1 = &AppSettings::shapesWindowX1;
    r.y1 = &AppSettings::shapesWindowY1;
    r.x2 = &AppSettings::shapesWindowX2;
    r.y2 = &AppSettings::shapesWindowY2;
    return r;
}

PaletteRegistration PaletteWindows::ColorsRegistration() const
{
    PaletteRegistration r;
    r.window = m_colors.data();
    r.commandId = CommandId::ToggleColors;
    r.visible = &AppSettings::showColorsWindow;
    r.flags = &AppSettings::colorsWindowFlags;
    r.showCmd = &AppSettings::colorsWindowShowCmd;
    r.x1 = &AppSettings::colorsWindowX1;
    r.y1 = &AppSettings::colorsWindowY1;
    return r;
}

void PaletteWindows::RegisterWith(CMainFrame& frame)
{
    frame.RegisterPalette(ShapesRegistration());
    frame.RegisterPalette(ColorsRegistration());
}

void PaletteWindows::RegisterWith(PaletteList& list)
{
    list.Register(ShapesRegistration());
    list.Register(ColorsRegistration());
}
