#pragma once

#include <memory>

#include <QMainWindow>

#include "app/ui/FrameContext.h"
#include "app/ui/PaletteList.h"
#include "view/StatusSink.h"

class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class CChildFrame;
class CommandActions;
class DrawingWindows;
class FileCommands;
class FrameBars;
class FrameMenus;
class HelpCommands;
class MovieCommands;
class PaletteToggleCommands;
class PrintCommands;
class ScreenStages;
class ViewCommands;
class WindowCommands;

// The main window: drawing windows in a workspace, and the parts it is made of — the menus
// (FrameMenus), the toolbars and status bar (FrameBars), the floating palettes, the
// full-screen stages, and the homes of its own command families.
class CMainFrame final : public QMainWindow, public StatusSink
{
    Q_OBJECT

public:
    MovieCommands& Movies() { return *m_movieCommands; }
    explicit CMainFrame(FrameContext context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CommandActions& Commands() { return *m_commands; }
    QMdiArea* Workspace() const { return m_workspace; }
    QToolBar* Toolbar1() const;
    QToolBar* Toolbar2() const;
    QMenu* HelpMenu() const;

    // A palette's window, toggle command, visibility setting and placement in one call.
    void RegisterPalette(const PaletteRegistration& palette);
    PaletteList& Palettes() { return *m_palettes; }

    // Stage 0 normal, 1 palettes hidden, 2 bars hidden too, 3 full screen.
    void CycleScreenMode();
    void ToggleFullScreen();
    int ScreenStage() const;

    // How long work reports itself: pane 0 text, pane 1 progress, the wait cursor.
    QString StatusText() const override { return PaneText(0); }
    void SetStatusText(const QString& text) override { SetPaneText(0, text); }
    void SetProgressText(const QString& text) override { SetPaneText(1, text); }
    void SetWaitCursor(bool waiting) override;

    void ShowProgress(int percent);
    void ClearProgress();
    void SetPaneText(int pane, const QString& text);
    QString PaneText(int pane) const;

    void ApplyPlacement();
    void ShowWithShowCommand();
    void RecordPlacement();

    DrawingWindows& Drawings() { return *m_drawings; }

signals:
    // The frame agreed to close (every drawing saved or let go): the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateCommandHomes();
    void InstallMenus();

    void OnWindowActivated();
    void ShowFrameTitle();

    FrameContext m_context;
    CommandActions* m_commands = nullptr;
    PaletteList* m_palettes = nullptr;
    DrawingWindows* m_drawings = nullptr;
    QMdiArea* m_workspace = nullptr;
    FrameBars* m_bars = nullptr;
    QTimer* m_idleUpdate = nullptr;
    FrameMenus* m_menus = nullptr;
    std::unique_ptr<ScreenStages> m_stages;
    // The homes of the frame's own command families.
    std::unique_ptr<FileCommands> m_fileCommands;
    std::unique_ptr<PrintCommands> m_printCommands;
    std::unique_ptr<MovieCommands> m_movieCommands;
    std::unique_ptr<ViewCommands> m_viewCommands;
    std::unique_ptr<PaletteToggleCommands> m_paletteToggles;
    std::unique_ptr<WindowCommands> m_windowCommands;
    std::unique_ptr<HelpCommands> m_helpCommands;
};
