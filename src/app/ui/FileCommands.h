#pragma once

#include <memory>

class CommandRegistry;
class DrawingWindows;
class QAction;
class QMainWindow;
class QPrinter;
struct FrameContext;

// The File family: New, Open, Close, Save, Save As, Print Setup and Exit.
class FileCommands final
{
public:
    FileCommands(CommandRegistry& registry, DrawingWindows& drawings, FrameContext& context,
                 QMainWindow& frame);
    ~FileCommands();

    QPrinter& Printer();

private:
    void Register(CommandRegistry& registry);
    void OnOpen();
    void OnClose();
    void OnSave();
    void OnSaveAs();
    void OnPrintSetup();
    void UpdateNeedsDrawing(QAction& action);

    DrawingWindows& m_drawings;
    FrameContext& m_context;
    QMainWindow& m_frame;
    std::unique_ptr<QPrinter> m_printer;
};
