#pragma once

#include <array>
#include <vector>

#include <QByteArray>

class QMainWindow;
class QWidget;
class PaletteList;

// The frame's screen stages: 0 normal, 1 palettes hidden, 2 bars hidden too, 3 full
// screen. Whatever a stage hides comes back as it was when the cycle returns to normal.
class ScreenStages final
{
public:
    // The bars are the two toolbars and the status bar, in that order.
    ScreenStages(QMainWindow& frame, std::array<QWidget*, 3> bars, PaletteList& palettes);

    int Stage() const { return m_stage; }
    void Cycle();
    void ToggleFullScreen();
    // Back to stage 0, so the window's normal placement and the bars can be recorded.
    void ReturnToNormal();

private:
    void EnterFullScreen();
    void LeaveFullScreen();
    void ShowWhatWasHidden();
    void RecordBars();
    void HideBars();

    QMainWindow& m_frame;
    std::array<QWidget*, 3> m_bars;
    PaletteList& m_palettes;

    int m_stage = 0;
    bool m_fullScreen = false;
    Qt::WindowStates m_stateBefore;
    QByteArray m_geometryBefore;
    std::array<bool, 3> m_barsBefore{true, true, true};
    std::vector<bool> m_palettesBefore;
};
