#include "shapes/ShapesGrid.h"

#include <algorithm>

#include "shapes/ShapeTable.h"

void ShapesGrid::Resize(int displayedCount, int width, int height)
{
    m_columns = std::max(0, width / kCell);
    m_visibleRows = std::max(0, height / kCell);
    m_rows = (std::max(0, displayedCount) + CellsPerRow() - 1) / CellsPerRow();
    m_height = height;
    if (!NeedsScrollBar())
        m_firstRow = 0;
    else
        m_firstRow = std::min(m_firstRow, std::max(0, m_rows - m_visibleRows));
}

bool ShapesGrid::LineUp()
{
    return m_firstRow > 0 && SetFirstRow(m_firstRow - 1);
}

bool ShapesGrid::LineDown()
{
    return m_firstRow + m_visibleRows < m_rows && SetFirstRow(m_firstRow + 1);
}

bool ShapesGrid::PageUp()
{
    return SetFirstRow(std::max(0, m_firstRow - m_visibleRows));
}

bool ShapesGrid::PageDown()
{
    return SetFirstRow(std::max(0, std::min(m_firstRow + m_visibleRows, m_rows - m_visibleRows)));
}

bool ShapesGrid::ThumbReleased(int pixelPosition)
{
    const int row = std::max(0, pixelPosition / kCell);
    return SetFirstRow(std::max(0, std::min(row, m_rows - m_visibleRows)));
}

bool ShapesGrid::ShowRow(int row)
{
    if (row >= m_firstRow && row < m_firstRow + m_visibleRows)
        return false;
    // A row near the end is shown without scrolling past the last full page.
    return SetFirstRow(std::max(0, std::min(row, m_rows - m_visibleRows)));
}

int ShapesGrid::CentreX(int displayedPosition) const
{
    return kCell / 2 + kCell * (displayedPosition % CellsPerRow());
}

int ShapesGrid::CentreY(int displayedPosition) const
{
    return kCell / 2 + kCell * (RowOf(displayedPosition) - m_firstRow);
}

bool ShapesGrid::RowDrawn(int row) const
{
    const int centre = kCell / 2 + kCell * (row - m_firstRow);
    return row >= m_firstRow && centre <= m_height + kCell / 2;
}

int ShapesGrid::PositionAt(int x, int y, int shapeCount) const
{
    const int column = std::clamp(x / kCell, 0, std::max(0, m_columns - 1));
    const int row = std::max(0, y / kCell);
    const int n = column + CellsPerRow() * (row + m_firstRow);
    return std::max(0, std::min(n, shapeCount - 1));
}

bool ShapesGrid::SetFirstRow(int row)
{
    if (row == m_firstRow)
        return false;
    m_firstRow = row;
    return true;
}

std::vector<int> DisplayedShapes(const ShapeTable& table)
{
    std::vector<int> shown;
    for (int i = 0; i < table.Count(); ++i)
        if (table.Shape(i).activeSize)
            shown.push_back(i);
    return shown;
}

int SelectDisplayedPosition(ShapeTable& table, int position)
{
    if (table.Count() == 0)
        return 0;
    if (table.SelectByPosition(position) < table.Count())
        return table.CurrentIndex();
    const int last = table.Count() - 1;
    if (table.Shape(last).activeSize) {
        table.SetCurrentIndex(last);
        return last;
    }
    const std::vector<int> shown = DisplayedShapes(table);
    if (!shown.empty())
        table.SetCurrentIndex(shown.back());
    return table.CurrentIndex();
}
