#pragma once

class CommandRegistry;
class DrawingWindows;
class QAction;
class QMdiArea;
class QWidget;
struct FrameContext;

// The drawing windows as a whole: Cascade and Tile arrange them, Drawing Info tells what
// the active one holds.
class WindowCommands final
{
public:
    WindowCommands(CommandRegistry& registry, DrawingWindows& drawings, QMdiArea& workspace,
                   FrameContext& context, QWidget& frame);

private:
    void Register(CommandRegistry& registry);
    void OnDrawingInfo();
    void UpdateNeedsDrawing(QAction& action);

    DrawingWindows& m_drawings;
    QMdiArea& m_workspace;
    FrameContext& m_context;
    QWidget& m_frame;
};
