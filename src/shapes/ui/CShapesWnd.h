#pragma once

#include <QTimer>
#include <QWidget>

#include "color/ui/PaletteDialogs.h"
#include "shapes/ShapesGrid.h"

class ColorPalette;
class QMenu;
class QScrollBar;
class RandomGenerator;
class ShapeTable;

// The Shapes palette: every displayed shape in its own colour on black, in a grid that
// scrolls. A click picks the current shape; pressing on one shape and releasing on another
// copies the colour. Closing it only hides it.
class CShapesWnd : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kAutoScrollMs = 200;

    // Reads the last run's shape state at once.
    CShapesWnd(ColorPalette& palette, RandomGenerator& random, const QString& programFolder,
               QWidget* parent = nullptr);
    ~CShapesWnd() override; // writes the last-run shape state

    PaletteDialogs dialogs;
    const ShapesGrid& Grid() const { return m_grid; }
    QScrollBar* ScrollBar() const { return m_scrollBar; }

    void SelectShapeAt(QPoint client);
    void EnsureCurrentVisible();
    bool ReadStateFile(const QString& path);
    bool WriteStateFile(const QString& path);

    // The context menu as it would open now; the caller owns it.
    QMenu* CreateContextMenu();

    void OnSize(int size);
    void OnRandomColor();
    void OnRandomHistoryColor();
    void OnAllThisSize();
    void OnAllThisColor();
    void OnAllRandomColors();
    void OnAllHistoryColors();
    void OnSaveState();
    void OnLoadState();

signals:
    void closedByUser(); // the close box hid the window

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ShapeTable& Shapes() const;
    void Relayout();
    void SyncScrollBar();
    void AutoScroll();
    void ShapesChanged();
    void AddSizeItem(QMenu* menu, const QString& text, int size);

    ColorPalette& m_palette;
    RandomGenerator& m_random;
    QString m_programFolder;
    ShapesGrid m_grid;
    QScrollBar* m_scrollBar = nullptr;
    QTimer m_autoScroll;
    bool m_captured = false;
    int m_pressedShape = 0;
    int m_scrollDirection = 0; // -1 up, +1 down, while the pointer is outside
};
