#include "imaging/PrintSizeModel.h"

#include <algorithm>
#include <cmath>

PrintSizeModel::PrintSizeModel(QSize drawing, int dotsPerUnit, const PrintOptions& options)
    : m_drawing(drawing), m_page(options.page), m_unit(options.unit), m_centre(options.centre)
{
    SetDotsPerUnit(dotsPerUnit);
}

void PrintSizeModel::SetDotsPerUnit(int dotsPerUnit)
{
    m_minimum = PrintLayout::MinimumDotsPerUnit(m_page, m_drawing, m_unit);
    m_dotsPerUnit = std::clamp(dotsPerUnit, m_minimum, Maximum());
}

void PrintSizeModel::SetUnit(PrintUnit unit)
{
    const int converted = PrintLayout::ConvertDotsPerUnit(m_dotsPerUnit, m_unit, unit);
    m_unit = unit;
    SetDotsPerUnit(converted);
}

QString PrintSizeModel::WidthText() const
{
    return PrintLayout::LengthText(m_drawing.width(), m_dotsPerUnit);
}

QString PrintSizeModel::HeightText() const
{
    return PrintLayout::LengthText(m_drawing.height(), m_dotsPerUnit);
}

double PrintSizeModel::PreviewScale(const QRect& laidOut) const
{
    return double(laidOut.width()) / std::max(m_page.width, m_page.height);
}

QRect PrintSizeModel::PagePreview(const QRect& laidOut) const
{
    if (!m_page.Known())
        return laidOut;
    const double s = PreviewScale(laidOut);
    const QSize size(int(m_page.width * s), int(m_page.height * s));
    return {laidOut.left() + (laidOut.width() - size.width()) / 2,
            laidOut.top() + (laidOut.height() - size.height()) / 2, size.width(), size.height()};
}

QRect PrintSizeModel::PicturePreview(const QRect& laidOut) const
{
    if (!m_page.Known())
        return {};
    const QRect page = PagePreview(laidOut);
    const double s = PreviewScale(laidOut);
    const double x = PrintLayout::UnitsPerInch(m_unit);
    const double widthInUnits = double(m_drawing.width()) / m_dotsPerUnit;
    const double heightInUnits = double(m_drawing.height()) / m_dotsPerUnit;
    const QSize size(int(std::trunc(m_page.resolutionX * widthInUnits / x * s)),
                     int(std::trunc(m_page.resolutionY * heightInUnits / x * s)));
    QRect picture(page.topLeft(), size);
    if (m_centre)
        picture.moveTo(page.left() + (page.width() - size.width()) / 2,
                       page.top() + (page.height() - size.height()) / 2);
    return picture.intersected(page.adjusted(1, 1, -1, -1));
}

PrintOptions PrintSizeModel::Options() const
{
    return {m_unit, m_centre, m_page};
}
