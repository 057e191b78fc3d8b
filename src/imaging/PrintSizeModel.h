#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include "imaging/PrintLayout.h"

// The choice the "Drawing size on printer" dialog makes: dots per unit within its range,
// the unit, centring, and where the page and the picture show in the dialog's preview.
class PrintSizeModel
{
public:
    // Opening: the value is raised to the minimum that fits the page, and kept at most at
    // the maximum.
    PrintSizeModel(QSize drawing, int dotsPerUnit, const PrintOptions& options);

    int DotsPerUnit() const { return m_dotsPerUnit; }
    int Minimum() const { return m_minimum; }
    int Maximum() const { return PrintLayout::kMaximumDotsPerUnit; }
    PrintUnit Unit() const { return m_unit; }
    bool Centre() const { return m_centre; }

    // The spin box's value, kept within the range.
    void SetDotsPerUnit(int dotsPerUnit);
    // Keeps the printed size: the value is converted, then kept within the new range.
    void SetUnit(PrintUnit unit);
    void SetCentre(bool centre) { m_centre = centre; }
    // "Max size": the largest picture that fits the page.
    void MaxSize() { SetDotsPerUnit(1); }

    QString WidthText() const;
    QString HeightText() const;
    QString UnitLabel() const { return PrintLayout::UnitLabel(m_unit); }

    // The page in the preview: the printer page's proportions, scaled to the laid-out
    // rectangle's width by its longer side and centred in it.
    QRect PagePreview(const QRect& laidOut) const;
    // The picture on that page, kept at least one pixel inside it.
    QRect PicturePreview(const QRect& laidOut) const;

    // The unit and centring chosen, with the printer page the model was opened with.
    PrintOptions Options() const;

private:
    double PreviewScale(const QRect& laidOut) const;

    QSize m_drawing;
    PrinterPage m_page;
    PrintUnit m_unit;
    bool m_centre;
    int m_minimum = 1;
    int m_dotsPerUnit = 1;
};
