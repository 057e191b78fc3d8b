#include "app/ui/WindowCommands.h"

#include <QAction>
#include <QMdiArea>

#include "app/DrawingDocument.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CDrawingInfoDlg.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/FrameContext.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

WindowCommands::WindowCommands(CommandRegistry& registry, DrawingWindows& drawings,
                               QMdiArea& workspace, FrameContext& context, QWidget& frame)
    : m_drawings(drawings), m_workspace(workspace), m_context(context), m_frame(frame)
{
    Register(registry);
}

void WindowCommands::Register(CommandRegistry& registry)
{
    const auto needsDrawing = [this](QAction& action) { UpdateNeedsDrawing(action); };
    registry.Add(DrawingInfo, [this] { OnDrawingInfo(); }, needsDrawing);
    registry.Add(WindowCascade, [this] { m_workspace.cascadeSubWindows(); }, needsDrawing);
    registry.Add(WindowTile, [this] { m_workspace.tileSubWindows(); }, needsDrawing);
}

void WindowCommands::OnDrawingInfo()
{
    const DocumentManager::Drawing* drawing = m_drawings.ActiveDrawing();
    if (!drawing)
        return;
    const DrawingDocument& document = *drawing->document;
    CDrawingInfoDlg::Facts facts;
    facts.globCount = document.GlobCount();
    facts.colorCount = document.ColorChangeCount();
    facts.width = document.Size().width();
    facts.height = document.Size().height();
    facts.background = document.BackgroundColor();
    if (CChildFrame* child = m_drawings.ActiveChild()) {
        if (auto* view = qobject_cast<CDaubrixView*>(child->widget())) {
            const DrawingSession& session = view->Session();
            facts.clearPending = session.ClearPending();
            facts.hiddenGlobs = qMax(0, facts.globCount - session.Canvas().HistoryPosition());
        }
    }
    CDrawingInfoDlg dialog(facts, &m_frame);
    m_context.runModal(dialog);
}

void WindowCommands::UpdateNeedsDrawing(QAction& action)
{
    action.setEnabled(m_drawings.ActiveDrawing() != nullptr);
}
