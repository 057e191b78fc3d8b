#include "app/ui/WorkspaceViews.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "view/ui/CDaubrixView.h"

CDaubrixView* WorkspaceViews::Active() const
{
    QMdiSubWindow* window = m_workspace.activeSubWindow();
    if (!window)
        window = m_workspace.currentSubWindow();
    return window ? qobject_cast<CDaubrixView*>(window->widget()) : nullptr;
}

std::vector<CDaubrixView*> WorkspaceViews::All() const
{
    std::vector<CDaubrixView*> views;
    for (QMdiSubWindow* window : m_workspace.subWindowList()) {
        if (auto* view = qobject_cast<CDaubrixView*>(window->widget()))
            views.push_back(view);
    }
    return views;
}

void WorkspaceViews::EnableWhileActive(QAction& action) const
{
    action.setEnabled(Active() != nullptr);
}
