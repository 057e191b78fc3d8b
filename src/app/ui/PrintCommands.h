#pragma once

#include <optional>

#include "app/DocumentManager.h"
#include "imaging/PrintLayout.h"

class CDaubrixView;
class CommandRegistry;
class DrawingWindows;
class QPrinter;
class QWidget;
struct FrameContext;

// The print family: Print, Print Preview and Size when printed, on the active drawing and the
// printer Print Setup chooses. It keeps what the program remembers for its run: the unit,
// centring, and the page and resolution of the printer last read.
class PrintCommands final
{
public:
    PrintCommands(CommandRegistry& registry, DrawingWindows& drawings, FrameContext& context,
                  QPrinter& printer, QWidget& dialogParent);

    const PrintOptions& Options() const { return m_options; }

private:
    struct Job
    {
        DocumentManager::Drawing& drawing;
        CDaubrixView& view;
    };
    std::optional<Job> ActiveJob() const;

    void OnPrint();
    void OnPreview();
    void OnSizeWhenPrinted();

    // A job's steps, in order: the print dialog, then the printer read and the size asked,
    // then the one page.
    bool PreparePrinting(const Job& job);
    void BeginPrinting(const Job& job);
    bool PrintPage(QPrinter& printer, const Job& job);

    void ReadPrinter(const QPrinter& printer);
    void AskSize(const Job& job);

    DrawingWindows& m_drawings;
    FrameContext& m_context;
    QPrinter& m_printer;
    QWidget& m_dialogParent;
    PrintOptions m_options;
};
