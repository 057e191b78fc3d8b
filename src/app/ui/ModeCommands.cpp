#include "app/ui/ModeCommands.h"

#include <QAction>
#include <QCursor>

#include "app/CommandTable.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/CtrlKeyHeld.h"
#include "app/ui/WorkspaceViews.h"
#include "view/DrawingModeCommands.h"
#include "view/DrawingModes.h"
#include "view/OneShotModes.h"
#include "view/Sampling.h"
#include "view/ui/CDaubrixView.h"
#include "view/ui/CJitterDlg.h"
#include "view/ui/CLinesDlg.h"
#include "view/ui/CPolarMirrorDlg.h"
#include "view/ui/CSkippingDlg.h"

using enum CommandId;

ModeCommands::ModeCommands(CommandRegistry& registry, const WorkspaceViews& views,
                           DrawingModes& modes, OneShotModes& oneShot, QWidget& dialogParent)
    : m_views(views), m_modes(modes), m_oneShot(oneShot), m_dialogParent(dialogParent)
{
    Register(registry);
}

CtrlKey ModeCommands::Ctrl()
{
    return CtrlKeyHeld() ? CtrlKey::Held : CtrlKey::Up;
}

void ModeCommands::AddMode(CommandRegistry& registry, CommandId id,
                           std::function<ModeEffects()> run, std::function<bool()> checked)
{
    registry.Add(
        id, [this, run] { ApplyEffects(run()); },
        [this, checked](QAction& a) {
            m_views.EnableWhileActive(a);
            a.setChecked(checked());
        });
}

// Sampling needs globs to sample: enabled once the history position is above 0.
void ModeCommands::AddSampling(CommandRegistry& registry, CommandId id, std::function<ModeEffects()> run,
                               std::function<bool()> checked)
{
    registry.Add(
        id, [this, run] { ApplyEffects(run()); },
        [this, checked](QAction& a) {
            const CDaubrixView* v = m_views.Active();
            a.setEnabled(v && v->Session().Canvas().HistoryPosition() > 0);
            a.setChecked(checked());
        });
}

void ModeCommands::Register(CommandRegistry& registry)
{
    DrawingModes& modes = m_modes;
    QWidget* parent = &m_dialogParent;
    AddMode(registry, Lines, [&modes, parent] { return LinesCommand(modes, Ctrl(),
                                                          [parent](DrawingModes& m) { return CLinesDlg::Ask(m, parent); }); },
         [&modes] { return modes.lines; });
    AddMode(registry, Jitter, [&modes, parent] { return JitterCommand(modes, Ctrl(),
                                                            [parent](DrawingModes& m) { return CJitterDlg::Ask(m, parent); }); },
         [&modes] { return modes.jitter; });
    AddMode(registry, Skipping, [&modes, parent] { return SkippingCommand(modes, Ctrl(),
                                                                [parent](DrawingModes& m) { return CSkippingDlg::Ask(m, parent); }); },
         [&modes] { return modes.skipping; });
    AddMode(registry, PolarMirror, [&modes, parent] { return PolarMirrorCommand(modes, Ctrl(),
                                                                      [parent](DrawingModes& m) { return CPolarMirrorDlg::Ask(m, parent); }); },
         [&modes] { return modes.symmetry.polar; });
    AddMode(registry, MirrorHorizontal, [&modes] { return MirrorCommand(modes, Mirror::Horizontal); },
         [&modes] { return modes.symmetry.mirrorHorizontal; });
    AddMode(registry, MirrorVertical, [&modes] { return MirrorCommand(modes, Mirror::Vertical); },
         [&modes] { return modes.symmetry.mirrorVertical; });
    AddMode(registry, MirrorBoth, [&modes] { return MirrorCommand(modes, Mirror::Both); },
         [&modes] { return modes.symmetry.mirrorBoth; });
    AddMode(registry, MoveCenter, [this, &modes] { return MoveCenterCommand(modes, m_oneShot); },
         [this] { return m_oneShot.moveCentre; });
    AddSampling(registry, SampleColor, [this, &modes] { return SampleColorCommand(modes, m_oneShot); },
                [this] { return m_oneShot.sampleColour; });
    AddSampling(registry, SampleShape, [this, &modes] { return SampleShapeCommand(modes, m_oneShot); },
                [this] { return m_oneShot.sampleShape; });
    registry.Add(ResetCenter, [this] {
        if (CDaubrixView* v = m_views.Active())
            ApplyEffects(ResetCenterCommand(v->Session()));
    }, [this](QAction& a) { m_views.EnableWhileActive(a); });
}

void ModeCommands::ApplyEffects(const ModeEffects& effects)
{
    if (effects.movePointerToCentre) {
        if (CDaubrixView* v = m_views.Active())
            QCursor::setPos(v->viewport()->mapToGlobal(v->ToWindow(v->Session().Centre())));
    }
    for (CDaubrixView* view : m_views.All()) {
        if (effects.clearLineAnchor)
            view->Session().Strokes().ClearAnchor();
        if (effects.repaintRubberBand)
            view->viewport()->update();
        if (effects.updateCursor)
            view->RefreshCursor();
    }
}
