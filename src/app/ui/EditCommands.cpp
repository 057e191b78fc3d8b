#include "app/ui/EditCommands.h"

#include <QAction>

#include "app/ui/CommandRegistry.h"
#include "app/ui/WorkspaceViews.h"
#include "color/ui/CConfirmDlg.h"
#include "model/CDaubrixDoc.h"
#include "view/OneShotModes.h"
#include "view/UndoState.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

EditCommands::EditCommands(CommandRegistry& registry, const WorkspaceViews& views,
                           OneShotModes& oneShot, QWidget& dialogParent)
    : m_views(views), m_oneShot(oneShot), m_dialogParent(dialogParent)
{
    Register(registry);
}

void EditCommands::Register(CommandRegistry& registry)
{
    registry.Add(
        Undo,
        [this] {
            if (CDaubrixView* v = m_views.Active()) {
                v->Session().History().Undo();
                v->Refresh();
                emit v->DrawingChanged();
            }
        },
        [this](QAction& a) {
            CDaubrixView* v = m_views.Active();
            a.setEnabled(v && v->Session().History().CanUndo());
            a.setText(UndoLabel(v ? v->Session().Doc().UndoState() : UndoNothing));
        });
    registry.Add(
        Clear,
        [this] {
            CDaubrixView* v = m_views.Active();
            if (!v || !CConfirmDlg::Ask(CConfirmDlg::Question::ClearDrawing, &m_dialogParent))
                return;
            v->Session().History().Clear();
            m_oneShot = OneShotModes{};
            v->Refresh();
            emit v->DrawingChanged();
        },
        [this](QAction& a) {
            CDaubrixView* v = m_views.Active();
            a.setEnabled(v && v->Session().History().CanClear());
        });
    registry.Add(
        Regenerate,
        [this] {
            if (CDaubrixView* v = m_views.Active())
                v->Regenerate();
        },
        [this](QAction& a) { m_views.EnableWhileActive(a); });
}
