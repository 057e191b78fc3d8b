#pragma once

class CommandRegistry;
class QAction;
class QMainWindow;
class QToolBar;
class QWidget;
class ScreenStages;

// The View family's bars and screen: show or hide each toolbar and the status bar, and
// Full Screen. The palettes' toggles are PaletteToggleCommands'.
class ViewCommands final
{
public:
    ViewCommands(CommandRegistry& registry, QMainWindow& frame, QToolBar& toolbar1,
                 QToolBar& toolbar2, ScreenStages& stages);

private:
    void Register(CommandRegistry& registry);
    static void Toggle(QWidget& bar, QMainWindow& frame);

    QMainWindow& m_frame;
    QToolBar& m_toolbar1;
    QToolBar& m_toolbar2;
    ScreenStages& m_stages;
};
