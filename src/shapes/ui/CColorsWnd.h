#pragma once

#include <QImage>
#include <QWidget>

#include "color/ui/PaletteDialogs.h"

class ColorPalette;
class QMenu;
class QPushButton;
class RandomGenerator;

// The Colors palette: a hue/saturation field, a value bar, a swatch of the current colour
// and the colour history strip, at a fixed size. Closing it only hides it.
class CColorsWnd : public QWidget
{
    Q_OBJECT
public:
    // Reads the last run's history at once, so a window that stays hidden all run still
    // writes back what it read.
    CColorsWnd(ColorPalette& palette, RandomGenerator& random, const QString& programFolder,
               QWidget* parent = nullptr);
    ~CColorsWnd() override; // writes the last-run history

    ColorPalette& Palette() { return m_palette; }
    PaletteDialogs dialogs;

    void AddToHistory();
    void ApplyCurrentColor();
    bool ReadHistoryFile(const QString& path);
    bool WriteHistoryFile(const QString& path);

    // The context menu as it would open now; the caller owns it.
    QMenu* CreateContextMenu();

    void OnColorValues();
    void OnPreviousColor();
    void OnNextColor();
    void OnRandomColor();
    void OnDeleteColor();
    void OnClearAllColors();
    void OnSaveColors();
    void OnLoadColors();

signals:
    void closedByUser(); // the close box hid the window

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Drag { None, Field, Bar };

    QPushButton* MakeButton(int art, const QRect& place, const QString& tip);
    void PaintField(QPainter& p);
    void PaintBar(QPainter& p);
    void PaintSwatch(QPainter& p);
    void PaintStrip(QPainter& p);
    void DrawSunkenFrame(QPainter& p, const QRect& around);
    void PickAt(QPoint point);
    void UpdateDragArea();

    ColorPalette& m_palette;
    RandomGenerator& m_random;
    QString m_programFolder;
    QImage m_field;
    QImage m_bar;
    Drag m_drag = Drag::None;
};
