#include "app/ui/TransferCommands.h"

#include <QAction>

#include "app/ui/CommandRegistry.h"
#include "app/ui/CtrlKeyHeld.h"
#include "app/ui/WorkspaceViews.h"
#include "imaging/TransferStores.h"
#include "imaging/ui/CPatternDlg.h"
#include "imaging/ui/CRunChoiceDlg.h"
#include "view/DrawingModes.h"
#include "view/PatternModeCommand.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

TransferCommands::TransferCommands(CommandRegistry& registry, const WorkspaceViews& views,
                                   TransferStores& stores, DrawingModes& modes, QWidget& dialogParent)
    : m_views(views), m_stores(stores), m_modes(modes), m_dialogParent(dialogParent)
{
    RegisterClipboard(registry);
    RegisterPattern(registry);
}

bool TransferCommands::CanTake() const
{
    CDaubrixView* v = m_views.Active();
    return v && v->Session().Transfers().CanTake();
}

void TransferCommands::RegisterClipboard(CommandRegistry& registry)
{
    const auto whileTaking = [this](QAction& a) { a.setEnabled(CanTake()); };
    registry.Add(Cut, [this] { RunCut(); }, whileTaking);
    registry.Add(Copy, [this] { RunCopy(); }, whileTaking);
    registry.Add(Paste, [this] { RunPaste(); }, [this](QAction& a) {
        a.setEnabled(m_views.Active() && !m_stores.clip.IsEmpty());
    });
}

void TransferCommands::RegisterPattern(CommandRegistry& registry)
{
    registry.Add(
        DefinePattern,
        [this] {
            CDaubrixView* v = m_views.Active();
            if (v && CRunChoiceDlg::Ask(CRunChoiceDlg::kDefinePattern, m_stores.patternRange, &m_dialogParent))
                v->Session().Transfers().DefinePattern(m_stores.pattern, m_stores.patternRange);
        },
        [this](QAction& a) { a.setEnabled(CanTake()); });
    registry.Add(Pattern, [this] { TogglePattern(); }, [this](QAction& a) {
        a.setEnabled(m_views.Active() && !m_stores.pattern.IsEmpty());
        a.setChecked(m_modes.patternMode);
    });
}

void TransferCommands::ForgetClipUndoEverywhere()
{
    for (CDaubrixView* view : m_views.All())
        GlobTransfers::ForgetClipUndo(view->Session().Doc());
}

void TransferCommands::Changed(CDaubrixView& view)
{
    view.Refresh();
    emit view.DrawingChanged();
}

void TransferCommands::RunCut()
{
    CDaubrixView* v = m_views.Active();
    if (!v || !CRunChoiceDlg::Ask(CRunChoiceDlg::kCut, m_stores.cutRange, &m_dialogParent))
        return;
    ForgetClipUndoEverywhere();
    v->Session().Transfers().Cut(m_stores.clip, m_stores.cutRange);
    Changed(*v);
}

void TransferCommands::RunCopy()
{
    CDaubrixView* v = m_views.Active();
    if (!v || !CRunChoiceDlg::Ask(CRunChoiceDlg::kCopy, m_stores.copyRange, &m_dialogParent))
        return;
    ForgetClipUndoEverywhere();
    v->Session().Transfers().Copy(m_stores.clip, m_stores.copyRange);
}

void TransferCommands::RunPaste()
{
    CDaubrixView* v = m_views.Active();
    if (!v || !CRunChoiceDlg::Ask(CRunChoiceDlg::kPaste, m_stores.pasteColors, &m_dialogParent))
        return;
    v->Session().Transfers().Paste(m_stores.clip, m_stores.pasteColors);
    Changed(*v);
}

void TransferCommands::TogglePattern()
{
    QWidget* parent = &m_dialogParent;
    const ModeEffects effects = PatternCommand(
        m_modes, m_stores.patternColors, CtrlKeyHeld() ? CtrlKey::Held : CtrlKey::Up,
        [parent](bool& on, RunColors& colors) { return CPatternDlg::Ask(on, colors, parent); });
    for (CDaubrixView* view : m_views.All()) {
        if (effects.updateCursor)
            view->RefreshCursor();
        if (effects.repaintRubberBand)
            view->viewport()->update();
    }
}
