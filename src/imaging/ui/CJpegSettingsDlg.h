#pragma once

#include <QDialog>

class QSlider;

// Asks how good a saved JPEG should be: a quality slider from "Low" (smaller files) to
// "High" (larger ones). The program remembers the choice for its run.
class CJpegSettingsDlg final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kLowest = 10;
    static constexpr int kHighest = 100;

    explicit CJpegSettingsDlg(int quality, QWidget* parent = nullptr);

    int quality() const;

    // Shows the dialog; on OK stores the quality in `remembered` and returns true.
    static bool Ask(QWidget* parent, int& remembered);

private:
    QSlider* m_slider;
};
