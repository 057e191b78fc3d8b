#pragma once

#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QRect>
#include <QString>

#include "imaging/ImageStatus.h"
#include "imaging/PrintLayout.h"

class QPainter;

// The one page a drawing prints on, whether it goes to a printer or into a PDF file.
namespace PrintedPage
{
// Without an installed printer the page goes into a PDF at this many pixels per inch.
constexpr int kPdfResolution = 1200;

// A PDF page: the locale's usual paper (Letter where inches are used, A4 elsewhere),
// upright, with all of it printable.
QPageLayout PdfPageLayout(const QLocale& locale = QLocale::system());

// The printable area of a layout at a resolution, as the printer reports it.
PrinterPage PageOf(const QPageLayout& layout, int resolution);

// Draws the drawing's picture into target (printer pixels from the printable area's
// top-left), one drawing pixel to a block of printer pixels, never smoothed.
void Paint(QPainter& painter, const QImage& drawing, const QRect& target);

// Prints the picture into a PDF file through the same page computation as a printer; the
// file is written whole or not at all.
ImageStatus WritePdf(const QString& path, const QImage& drawing, int dotsPerUnit,
                     const PrintOptions& options, const QPageLayout& layout = PdfPageLayout());
} // namespace PrintedPage
