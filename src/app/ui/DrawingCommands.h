#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "color/ActiveDrawing.h"
#include "view/DrawingTools.h"
#include "view/OneShotModes.h"
#include "view/PaletteLink.h"

class CDaubrixView;
class CHistoryWnd;
class CMainFrame;
class ColorPalette;
class QAction;
class QMdiSubWindow;
struct ModeEffects;
enum class CtrlKey;

// The commands that act on the active drawing window (undo, clear, the drawing modes, the
// colour drift) and the links between that window and the palettes.
class DrawingCommands final : public QObject, public ActiveDrawing, public PaletteLink
{
    Q_OBJECT

public:
    DrawingCommands(CMainFrame& frame, const DrawingTools& tools, ColorPalette* palette);
    ~DrawingCommands() override;

    // What every new drawing window gets: the shared tools with this object as palette link.
    DrawingTools ToolsForViews();
    OneShotModes& OneShot() { return m_oneShot; }
    void SetPalette(ColorPalette* palette) { m_palette = palette; }
    // Backgrounds need more than 256 colours; the frame asks the application.
    void SetLowColorQuery(std::function<bool()> lowColor) { m_lowColor = std::move(lowColor); }
    // Who picks the picture for Load background; the program's own file dialog by default.
    using PictureChooser = std::function<QString(QWidget* parent)>;
    void SetPictureChooser(PictureChooser chooser);
    // A new drawing window: the Drawing History window lets go of it before it goes.
    void AdoptView(CDaubrixView* view);

    // ActiveDrawing
    bool HasActiveDrawing() const override;
    void ApplyColor(int shapeIndex, const HsvColor& color) override;
    // PaletteLink
    HsvColor ColorsWindowColor() const override;
    void SetColorsWindowColor(const HsvColor& color) override;
    void StrokeEnded() override;
    void RepaintShapesWindow() override;

private:
    CDaubrixView* ActiveView() const;
    void RegisterHandlers();
    void RegisterModeCommands();
    void RegisterHistoryPalette();
    void RegisterBackgroundCommands();
    void LoadBackgroundInto(CDaubrixView& view);
    void RemoveBackgroundFrom(CDaubrixView& view);
    void BackgroundChanged(CDaubrixView& view, bool hasBackground);
    void NeedsView(QAction& action) const;
    void ApplyEffects(const ModeEffects& effects);
    void ViewActivated(QMdiSubWindow* window);
    void ViewFocused(CDaubrixView* view);
    bool CtrlHeld() const;
    CtrlKey Ctrl() const;

    CMainFrame& m_frame;
    DrawingTools m_tools;
    ColorPalette* m_palette;
    OneShotModes m_oneShot;
    QPointer<CHistoryWnd> m_history;
    QPointer<CDaubrixView> m_lastFocusLost;
    int m_backgroundSizing = 2; // Normal, for the program's run
    std::function<bool()> m_lowColor;
    PictureChooser m_choosePicture;
};
