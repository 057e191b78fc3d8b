#include "app/ui/FileCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QPageSetupDialog>
#include <QPrinter>

#include "app/ui/CChildFrame.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/FrameContext.h"
#include "app/ui/ProgramPrinter.h"

using enum CommandId;

FileCommands::FileCommands(CommandRegistry& registry, DrawingWindows& drawings,
                           FrameContext& context, QMainWindow& frame)
    : m_drawings(drawings), m_context(context), m_frame(frame)
{
    Register(registry);
}

FileCommands::~FileCommands() = default;

void FileCommands::Register(CommandRegistry& registry)
{
    const auto needsDrawing = [this](QAction& action) { UpdateNeedsDrawing(action); };
    registry.Add(FileNew, [this] { m_drawings.NewDrawing(); }, CommandRegistry::AlwaysEnabled);
    registry.Add(FileOpen, [this] { OnOpen(); }, CommandRegistry::AlwaysEnabled);
    registry.Add(FileClose, [this] { OnClose(); }, needsDrawing);
    registry.Add(FileSave, [this] { OnSave(); }, needsDrawing);
    registry.Add(FileSaveAs, [this] { OnSaveAs(); }, needsDrawing);
    registry.Add(PrintSetup, [this] { OnPrintSetup(); }, CommandRegistry::AlwaysEnabled);
    registry.Add(Exit, [this] { m_frame.close(); }, CommandRegistry::AlwaysEnabled);
}

QPrinter& FileCommands::Printer()
{
    if (!m_printer)
        m_printer = ProgramPrinter::Make();
    return *m_printer;
}

void FileCommands::OnOpen()
{
    const QString path = m_context.chooseOpenPath(&m_frame);
    if (!path.isEmpty())
        m_drawings.OpenDrawing(path);
}

void FileCommands::OnClose()
{
    if (QMdiSubWindow* child = m_drawings.ActiveChild())
        child->close();
}

void FileCommands::OnSave()
{
    if (DocumentManager::Drawing* drawing = m_drawings.ActiveDrawing())
        m_drawings.SaveDrawing(*drawing);
}

void FileCommands::OnSaveAs()
{
    if (DocumentManager::Drawing* drawing = m_drawings.ActiveDrawing())
        m_drawings.SaveDrawingAs(*drawing);
}

void FileCommands::OnPrintSetup()
{
    QPageSetupDialog dialog(&Printer(), &m_frame);
    m_context.runModal(dialog);
}

void FileCommands::UpdateNeedsDrawing(QAction& action)
{
    action.setEnabled(m_drawings.ActiveDrawing() != nullptr);
}
