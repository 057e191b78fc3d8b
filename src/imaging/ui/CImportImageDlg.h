#pragma once

#include "imaging/ImportSettings.h"

#include <QDialog>

class QLabel;
class QRadioButton;
class QSlider;

// Asks how a picture becomes globs: its colours or the current ones, the order, whether the
// background stays, how many globs and at what size. It opens with the remembered settings;
// the caller keeps settings() only when the dialog is accepted.
class CImportImageDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CImportImageDlg(const ImportSettings& current, QWidget* parent = nullptr);

    ImportSettings settings() const;

    // Shows the dialog; on OK stores the settings in `remembered` and returns true.
    static bool Ask(QWidget* parent, ImportSettings& remembered);

private:
    QWidget* ColorsGroup(const ImportSettings& current);
    QWidget* ChoiceGroup(const QString& title, QRadioButton* first, QRadioButton* second,
                         QRadioButton* third = nullptr);
    QWidget* GlobsGroup(const ImportSettings& current);
    void EnableColorSlider();

    QRadioButton* m_preserve;
    QRadioButton* m_useNew;
    QSlider* m_colorSlider = nullptr;
    QLabel* m_fewerColors = nullptr;
    QLabel* m_moreColors = nullptr;
    QRadioButton* m_ordered;
    QRadioButton* m_fromImage;
    QRadioButton* m_keep;
    QRadioButton* m_remove;
    QSlider* m_globSlider = nullptr;
    QRadioButton* m_fit;
    QRadioButton* m_squash;
    QRadioButton* m_normal;
};
