#pragma once

#include <QDialog>

class QLabel;
class QRadioButton;
class QSlider;
struct DepthSettings;

// The "Simulate Depth" dialog: the range (whole drawing or last section), the scheme (Light
// or ChromaDepth) and the depth range, whose two sliders always keep Bottom below Top. OK
// stores the four settings; Cancel changes nothing.
class CSimulateDepthDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CSimulateDepthDlg(DepthSettings& settings, QWidget* parent = nullptr);

    void accept() override;

    // Shows the dialog modally; true when OK wrote the settings back.
    static bool Ask(DepthSettings& settings, QWidget* parent);

private:
    QWidget* MakeRangeGroup();
    QWidget* MakeSchemeGroup();
    QWidget* MakeDepthGroup();
    void ShowSchemeEnds();

    DepthSettings& m_settings;
    QRadioButton* m_entire = nullptr;
    QRadioButton* m_lastSection = nullptr;
    QRadioButton* m_light = nullptr;
    QRadioButton* m_chroma = nullptr;
    QSlider* m_bottom = nullptr;
    QSlider* m_top = nullptr;
    QLabel* m_leftEnd = nullptr;
    QLabel* m_rightEnd = nullptr;
};
