#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include "view/MoviePlan.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// "Create movie": where the movie goes (an MP4 or WebM video, or PNG pictures in a folder),
// its frame size and rate, how the drawing advances from frame to frame, and how long the
// finished picture stays at the end.
class CMovieDlg final : public QDialog
{
    Q_OBJECT

public:
    CMovieDlg(const MovieSettings& settings, const QString& output, QSize drawing, QWidget* parent = nullptr);

    MovieSettings Settings() const;
    QString Output() const;

    QComboBox* KindList() const { return m_kind; }
    QLineEdit* OutputEdit() const { return m_output; }
    QSpinBox* RateBox() const { return m_rate; }
    QRadioButton* GlobsPerFrameButton() const { return m_byGlobs; }
    QRadioButton* SecondsButton() const { return m_bySeconds; }
    QSpinBox* GlobsBox() const { return m_globs; }
    QDoubleSpinBox* SecondsBox() const { return m_seconds; }
    QDoubleSpinBox* HoldBox() const { return m_hold; }
    QCheckBox* HalfSizeBox() const { return m_half; }
    QCheckBox* SectionEndsBox() const { return m_sectionEnds; }

    // Chooses the output with the file dialogs of the program; tests answer it themselves.
    using PathChooser = std::function<QString(QWidget* parent, int kind, const QString& current)>;
    void SetPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }

private:
    QWidget* MakeOutputGroup();
    QWidget* MakeFramesGroup(QSize drawing);
    QWidget* MakeAdvanceGroup();
    void OnKindChanged(int kind);
    void OnBrowse();
    void EnableAdvance();

    QComboBox* m_kind = nullptr;
    QLineEdit* m_output = nullptr;
    QSpinBox* m_rate = nullptr;
    QCheckBox* m_half = nullptr;
    QRadioButton* m_byGlobs = nullptr;
    QRadioButton* m_bySeconds = nullptr;
    QSpinBox* m_globs = nullptr;
    QDoubleSpinBox* m_seconds = nullptr;
    QCheckBox* m_sectionEnds = nullptr;
    QDoubleSpinBox* m_hold = nullptr;
    PathChooser m_choosePath;
};
