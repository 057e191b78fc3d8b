#include "app/ui/PrintCommands.h"

#include <QAction>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/ui/CChildFrame.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/FrameContext.h"
#include "app/ui/ProgramPrinter.h"
#include "app/ui/ShellMessageBox.h"
#include "imaging/PrintedPage.h"
#include "model/CDaubrixDoc.h"
#include "imaging/ui/CPrintSizeDlg.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

namespace
{
const char* const kPrintFailedText = "The drawing could not be printed.";

QSize DrawingSize(const CDaubrixDoc& doc)
{
    return {doc.Records().DrawingWidth(), doc.Records().DrawingHeight()};
}
} // namespace

PrintCommands::PrintCommands(CommandRegistry& registry, DrawingWindows& drawings,
                             FrameContext& context, QPrinter& printer, QWidget& dialogParent)
    : m_drawings(drawings), m_context(context), m_printer(printer), m_dialogParent(dialogParent)
{
    const auto needsDrawing = [this](QAction& action) { action.setEnabled(ActiveJob().has_value()); };
    registry.Add(Print, [this] { OnPrint(); }, needsDrawing);
    registry.Add(PrintPreview, [this] { OnPreview(); }, needsDrawing);
    registry.Add(SizeWhenPrinted, [this] { OnSizeWhenPrinted(); }, needsDrawing);
}

std::optional<PrintCommands::Job> PrintCommands::ActiveJob() const
{
    DocumentManager::Drawing* drawing = m_drawings.ActiveDrawing();
    CChildFrame* child = drawing ? m_drawings.ChildOf(*drawing) : nullptr;
    auto* view = child ? qobject_cast<CDaubrixView*>(child->widget()) : nullptr;
    if (!view)
        return std::nullopt;
    return Job{*drawing, *view};
}

void PrintCommands::OnPrint()
{
    const std::optional<Job> job = ActiveJob();
    if (!job || !PreparePrinting(*job))
        return;
    BeginPrinting(*job);
    if (!PrintPage(m_printer, *job))
        ShellMessageBox::Show(&m_dialogParent, UserMessage(kPrintFailedText, MessageIcon::Critical));
}

void PrintCommands::OnPreview()
{
    const std::optional<Job> job = ActiveJob();
    if (!job)
        return;
    BeginPrinting(*job);
    QPrintPreviewDialog preview(&m_printer, &m_dialogParent);
    // The preview asks again whenever its page set-up changes: read that printer each time.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [this, &job](QPrinter* printer) {
        ReadPrinter(*printer);
        PrintPage(*printer, *job);
    });
    m_context.runModal(preview);
}

void PrintCommands::OnSizeWhenPrinted()
{
    if (const std::optional<Job> job = ActiveJob()) {
        ReadPrinter(m_printer);
        AskSize(*job);
    }
}

bool PrintCommands::PreparePrinting(const Job& job)
{
    ProgramPrinter::SuggestPdfFile(m_printer, job.drawing.path, job.drawing.title);
    QPrintDialog dialog(&m_printer, &m_dialogParent);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return m_context.runModal(dialog) == QDialog::Accepted;
}

void PrintCommands::BeginPrinting(const Job& job)
{
    ReadPrinter(m_printer);
    // Cancel keeps the values the drawing had: the job goes on with them.
    AskSize(job);
}

bool PrintCommands::PrintPage(QPrinter& printer, const Job& job)
{
    // What the window shows: the history position, the background, globs still to paint.
    job.view.Refresh();
    const QImage& picture = job.view.Session().Canvas().DrawingImage();
    const CDaubrixDoc& doc = job.view.Session().Doc();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PrintedPage::Paint(painter, picture,
                       PrintLayout::PrintedRect(m_options.page, DrawingSize(doc), doc.PrintSize(),
                                                m_options.unit, m_options.centre));
    return painter.end();
}

void PrintCommands::ReadPrinter(const QPrinter& printer)
{
    m_options.page = PrintedPage::PageOf(printer.pageLayout(), printer.resolution());
}

void PrintCommands::AskSize(const Job& job)
{
    CDaubrixDoc& doc = job.view.Session().Doc();
    int dotsPerUnit = doc.PrintSize();
    if (!CPrintSizeDlg::Ask(&m_dialogParent, m_context.runModal, DrawingSize(doc), dotsPerUnit, m_options))
        return;
    if (dotsPerUnit == doc.PrintSize())
        return;
    doc.SetPrintSize(dotsPerUnit);
    m_drawings.SetModified(job.drawing, true);
}
