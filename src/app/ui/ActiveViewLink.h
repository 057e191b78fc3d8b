#pragma once

#include <QObject>

#include "color/ActiveDrawing.h"
#include "view/PaletteLink.h"

class ColorPalette;
class QMdiArea;
class QMdiSubWindow;
class ShapeTable;
class StatusSink;
class WorkspaceViews;

// The colour link between the palettes and the drawing window the user is working in: the
// Colors window's colour goes to the active drawing, a stroke's drift comes back to the
// palettes; and the active window reports to the frame's status bar.
class ActiveViewLink final : public QObject, public ActiveDrawing, public PaletteLink
{
    Q_OBJECT

public:
    ActiveViewLink(const WorkspaceViews& views, QMdiArea& workspace, StatusSink& status,
                   ShapeTable& shapes);

    void SetPalette(ColorPalette* palette) { m_palette = palette; }

    // ActiveDrawing
    bool HasActiveDrawing() const override;
    void ApplyColor(int shapeIndex, const HsvColor& color) override;
    // PaletteLink
    HsvColor ColorsWindowColor() const override;
    void SetColorsWindowColor(const HsvColor& color) override;
    void StrokeEnded() override;
    void RepaintShapesWindow() override;
    void RepaintColorsWindow() override;
    void ShowChosenShape() override;
    void TakeSampledColor(const HsvColor& color) override;

private:
    void ViewActivated(QMdiSubWindow* window);

    const WorkspaceViews& m_views;
    StatusSink& m_status;
    ShapeTable& m_shapes;
    ColorPalette* m_palette = nullptr;
};
