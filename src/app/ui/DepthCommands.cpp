#include "app/ui/DepthCommands.h"

#include <QAction>
#include <QCoreApplication>

#include "app/CommandTable.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/WorkspaceViews.h"
#include "view/StatusSink.h"
#include "view/ui/CDaubrixView.h"
#include "view/ui/CSimulateDepthDlg.h"

DepthCommands::DepthCommands(CommandRegistry& registry, const WorkspaceViews& views,
                             QWidget& dialogParent, StatusSink& status)
    : m_views(views), m_dialogParent(dialogParent), m_status(status), m_dialog(&CSimulateDepthDlg::Ask)
{
    registry.Add(
        CommandId::SimulateDepth, [this] { Run(); },
        [this](QAction& a) {
            const CDaubrixView* v = m_views.Active();
            a.setEnabled(v && v->Session().Canvas().HistoryPosition() > 0);
        });
}

void DepthCommands::Run()
{
    CDaubrixView* view = m_views.Active();
    if (!view || view->Session().Canvas().HistoryPosition() == 0)
        return;
    if (!m_dialog(m_settings, &m_dialogParent))
        return;
    if (!view->Session().SimulateDepth(m_settings)) {
        // The last section ends where it starts: there is nothing to shade.
        m_status.SetStatusText(QCoreApplication::translate(
            "DepthCommands", "Simulate Depth: the last section has no globs up to the history position"));
        return;
    }
    view->Refresh();
    emit view->DrawingChanged();
}
