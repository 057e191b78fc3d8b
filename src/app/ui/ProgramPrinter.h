#pragma once

#include <memory>

#include <QString>

class QPrinter;

// The printer the program prints on: the system's default printer, or, where no printer is
// installed, a PDF file at 1200 dpi on the locale's usual paper, so that the page size and
// resolution are always known.
namespace ProgramPrinter
{
std::unique_ptr<QPrinter> Make();
bool IsPdf(const QPrinter& printer);
// A PDF job's file: the drawing's own name with ".pdf", beside it, or in the home folder
// while the drawing has no file.
void SuggestPdfFile(QPrinter& printer, const QString& drawingPath, const QString& title);
} // namespace ProgramPrinter
