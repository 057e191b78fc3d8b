#include "app/ui/ProgramPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include "imaging/PrintedPage.h"

std::unique_ptr<QPrinter> ProgramPrinter::Make()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty() || !printer->isValid()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(PrintedPage::kPdfResolution);
        printer->setPageLayout(PrintedPage::PdfPageLayout());
    }
    return printer;
}

bool ProgramPrinter::IsPdf(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat;
}

void ProgramPrinter::SuggestPdfFile(QPrinter& printer, const QString& drawingPath, const QString& title)
{
    printer.setDocName(title);
    if (!IsPdf(printer))
        return;
    const QFileInfo drawing(drawingPath);
    const QString folder = drawingPath.isEmpty() ? QDir::homePath() : drawing.absolutePath();
    const QString name = drawingPath.isEmpty() ? title : drawing.completeBaseName();
    printer.setOutputFileName(QDir(folder).filePath(name + QStringLiteral(".pdf")));
}
