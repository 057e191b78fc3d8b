#include "app/ui/ViewCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

#include "app/ui/CommandRegistry.h"
#include "app/ui/ScreenStages.h"

using enum CommandId;

ViewCommands::ViewCommands(CommandRegistry& registry, QMainWindow& frame, QToolBar& toolbar1,
                           QToolBar& toolbar2, ScreenStages& stages)
    : m_frame(frame), m_toolbar1(toolbar1), m_toolbar2(toolbar2), m_stages(stages)
{
    Register(registry);
}

void ViewCommands::Toggle(QWidget& bar, QMainWindow& frame)
{
    bar.setVisible(!bar.isVisibleTo(&frame));
}

void ViewCommands::Register(CommandRegistry& registry)
{
    registry.Add(
        ToggleToolbar, [this] { Toggle(m_toolbar1, m_frame); },
        [this](QAction& action) { action.setChecked(m_toolbar1.isVisibleTo(&m_frame)); });
    registry.Add(
        ToggleToolbar2, [this] { Toggle(m_toolbar2, m_frame); },
        [this](QAction& action) {
            action.setEnabled(!m_toolbar2.actions().isEmpty());
            action.setChecked(m_toolbar2.isVisibleTo(&m_frame));
        });
    registry.Add(
        ToggleStatusBar, [this] { Toggle(*m_frame.statusBar(), m_frame); },
        [this](QAction& action) { action.setChecked(m_frame.statusBar()->isVisibleTo(&m_frame)); });
    registry.Add(FullScreen, [this] { m_stages.ToggleFullScreen(); }, CommandRegistry::AlwaysEnabled);
}
