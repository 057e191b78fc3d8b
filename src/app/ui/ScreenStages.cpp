#include "app/ui/ScreenStages.h"

#include <QMainWindow>
#include <QMenuBar>

#include "app/ui/PaletteList.h"

ScreenStages::ScreenStages(QMainWindow& frame, std::array<QWidget*, 3> bars,
                           PaletteList& palettes)
    : m_frame(frame), m_bars(bars), m_palettes(palettes)
{
}

void ScreenStages::RecordBars()
{
    for (std::size_t i = 0; i < m_bars.size(); ++i)
        m_barsBefore[i] = m_bars[i]->isVisibleTo(&m_frame);
}

void ScreenStages::HideBars()
{
    for (QWidget* bar : m_bars)
        bar->hide();
}

void ScreenStages::EnterFullScreen()
{
    m_stateBefore = m_frame.windowState();
    m_geometryBefore = m_frame.saveGeometry();
    m_fullScreen = true;
    m_stage = 3;
    m_frame.menuBar()->hide(); // the whole screen is the drawing's; the keys still work
    m_frame.showFullScreen();
}

void ScreenStages::LeaveFullScreen()
{
    m_fullScreen = false;
    m_frame.menuBar()->show();
    m_frame.setWindowState(m_stateBefore & ~Qt::WindowFullScreen);
    m_frame.restoreGeometry(m_geometryBefore);
    ShowWhatWasHidden();
}

// Bars come back only from stage 2 on: before that they were never hidden or recorded.
void ScreenStages::ShowWhatWasHidden()
{
    if (m_stage >= 2) {
        for (std::size_t i = 0; i < m_bars.size(); ++i)
            m_bars[i]->setVisible(m_barsBefore[i]);
    }
    m_palettes.ShowAgain(m_palettesBefore);
    m_stage = 0;
}

void ScreenStages::ToggleFullScreen()
{
    if (m_fullScreen) {
        LeaveFullScreen();
        return;
    }
    // Part-way through the cycle some bars and palettes are hidden already; what was
    // recorded before they were hidden is what comes back.
    if (m_stage < 2)
        RecordBars();
    if (m_stage < 1)
        m_palettesBefore = m_palettes.Visibility();
    EnterFullScreen();
    HideBars();
    m_palettes.HideVisible();
}

void ScreenStages::Cycle()
{
    switch (m_stage) {
    case 0:
        m_palettesBefore = m_palettes.Visibility();
        m_palettes.HideVisible();
        m_stage = 1;
        break;
    case 1:
        m_palettes.HideVisible();
        RecordBars();
        HideBars();
        m_stage = 2;
        break;
    case 2: EnterFullScreen(); break;
    default: LeaveFullScreen(); break;
    }
}

void ScreenStages::ReturnToNormal()
{
    if (m_fullScreen)
        LeaveFullScreen();
    else if (m_stage != 0)
        ShowWhatWasHidden();
}
