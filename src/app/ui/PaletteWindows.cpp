#include "app/ui/PaletteWindows.h"

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
    return PaletteRegistration::Shapes(m_shapes.data());
}

PaletteRegistration PaletteWindows::ColorsRegistration() const
{
    return PaletteRegistration::Colors(m_colors.data());
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
