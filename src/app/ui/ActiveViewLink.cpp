#include "app/ui/ActiveViewLink.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/ui/WorkspaceViews.h"
#include "shapes/ColorPalette.h"
#include "shapes/ShapeTable.h"
#include "view/ui/CDaubrixView.h"

ActiveViewLink::ActiveViewLink(const WorkspaceViews& views, QMdiArea& workspace,
                               StatusSink& status, ShapeTable& shapes)
    : m_views(views), m_status(status), m_shapes(shapes)
{
    connect(&workspace, &QMdiArea::subWindowActivated, this, &ActiveViewLink::ViewActivated);
}

void ActiveViewLink::ViewActivated(QMdiSubWindow*)
{
    if (CDaubrixView* view = m_views.Active())
        view->SetStatusSink(&m_status);
}

bool ActiveViewLink::HasActiveDrawing() const { return m_views.Active() != nullptr; }

void ActiveViewLink::ApplyColor(int, const HsvColor& color)
{
    CDaubrixView* v = m_views.Active();
    if (!v)
        return;
    v->Session().ApplyCurrentColor(color);
    emit v->DrawingChanged();
}

HsvColor ActiveViewLink::ColorsWindowColor() const
{
    return m_palette ? m_palette->current : m_shapes.Current().Color();
}

void ActiveViewLink::SetColorsWindowColor(const HsvColor& color)
{
    if (m_palette)
        m_palette->current = color;
}

void ActiveViewLink::StrokeEnded()
{
    if (!m_palette)
        return;
    m_palette->AddToHistory();
    m_palette->Changed();
}

void ActiveViewLink::RepaintShapesWindow()
{
    if (m_palette && m_palette->shapesChanged)
        m_palette->shapesChanged();
}

void ActiveViewLink::RepaintColorsWindow()
{
    if (m_palette)
        m_palette->Changed();
}

void ActiveViewLink::ShowChosenShape()
{
    if (!m_palette)
        return;
    m_palette->current = m_shapes.Current().Color();
    RepaintShapesWindow();
    m_palette->AddToHistory();
}

void ActiveViewLink::TakeSampledColor(const HsvColor& color)
{
    if (!m_palette)
        return;
    m_palette->current = color;
    m_palette->ApplyCurrentColor();
    m_palette->AddToHistory();
}
