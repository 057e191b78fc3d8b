#pragma once

#include <vector>

class ShapeTable;

// The Shapes window's grid of square cells: layout, scrolling and hit tests in client
// pixels, kept apart from the widget so every rule can be checked without one.
class ShapesGrid
{
public:
    static constexpr int kCell = 34;
    static constexpr int kMinWidth = kCell + 30;
    static constexpr int kMinHeight = kCell + 24;

    // Lays out displayedCount cells in a client area of width x height; keeps the first
    // row when the grid still needs scrolling, resets it otherwise.
    void Resize(int displayedCount, int width, int height);

    int Columns() const { return m_columns; }
    int CellsPerRow() const { return m_columns > 0 ? m_columns : 1; }
    int VisibleRows() const { return m_visibleRows; }
    int Rows() const { return m_rows; }
    int TotalHeight() const { return kCell * m_rows; }
    int VisibleHeight() const { return kCell * m_visibleRows; }
    bool NeedsScrollBar() const { return m_height < TotalHeight(); }

    int FirstRow() const { return m_firstRow; }
    // Each returns true when the first row moved.
    bool LineUp();
    bool LineDown();
    bool PageUp();
    bool PageDown();
    bool ThumbReleased(int pixelPosition);
    bool ShowRow(int row); // scrolls only when row is out of view, never past the end

    int RowOf(int displayedPosition) const { return displayedPosition / CellsPerRow(); }
    // Centre of a displayed cell in client pixels (its row may be scrolled out).
    int CentreX(int displayedPosition) const;
    int CentreY(int displayedPosition) const;
    // Whether a row is drawn at all: rows above the first and rows starting more than half a
    // cell below the bottom are skipped.
    bool RowDrawn(int row) const;

    // Position among displayed shapes under a client point, clamped into the grid and to
    // at most shapeCount - 1.
    int PositionAt(int x, int y, int shapeCount) const;

private:
    bool SetFirstRow(int row);

    int m_columns = 0;
    int m_visibleRows = 0;
    int m_rows = 0;
    int m_height = 0;
    int m_firstRow = 0;
};

// Table indexes of the shapes the Shapes window shows (active size set), in table order.
std::vector<int> DisplayedShapes(const ShapeTable& table);

// Makes the shape under a displayed position current, as a click in the grid does: the
// n-th displayed shape, else the last table entry when it is displayed, else the last
// displayed shape. Returns the new current index.
int SelectDisplayedPosition(ShapeTable& table, int position);
