#include "imaging/PrintedPage.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace
{
const QString kPdfFailedText = QStringLiteral("Error writing file");
} // namespace

QPageLayout PrintedPage::PdfPageLayout(const QLocale& locale)
{
    const bool inches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

PrinterPage PrintedPage::PageOf(const QPageLayout& layout, int resolution)
{
    const QRect printable = layout.paintRectPixels(resolution);
    return {printable.width(), printable.height(), resolution, resolution};
}

void PrintedPage::Paint(QPainter& painter, const QImage& drawing, const QRect& target)
{
    if (drawing.isNull() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A PDF keeps the drawing's pixels exactly, not as a JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(target, drawing, drawing.rect());
    painter.restore();
}

ImageStatus PrintedPage::WritePdf(const QString& path, const QImage& drawing, int dotsPerUnit,
                                  const PrintOptions& options, const QPageLayout& layout)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ImageStatus::Failure(kPdfFailedText, MessageIcon::Critical);
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Daubrix"));
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(layout);
        const PrinterPage page = PageOf(layout, kPdfResolution);
        QPainter painter;
        if (!painter.begin(&pdf))
            return ImageStatus::Failure(kPdfFailedText, MessageIcon::Critical);
        Paint(painter, drawing,
              PrintLayout::PrintedRect(page, drawing.size(), dotsPerUnit, options.unit, options.centre));
        if (!painter.end())
            return ImageStatus::Failure(kPdfFailedText, MessageIcon::Critical);
    }
    if (!file.commit())
        return ImageStatus::Failure(kPdfFailedText, MessageIcon::Critical);
    return ImageStatus::Success();
}
