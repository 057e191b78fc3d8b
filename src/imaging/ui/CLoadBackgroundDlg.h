#pragma once

#include "imaging/BackgroundPlacement.h"

#include <QDialog>

class QRadioButton;

// Asks how a background picture is sized to the drawing. It opens with the remembered
// choice checked; the caller keeps sizing() as the new choice when the dialog is accepted.
class CLoadBackgroundDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CLoadBackgroundDlg(BackgroundSizing current = BackgroundSizing::Normal, QWidget* parent = nullptr);

    BackgroundSizing sizing() const;

    // Shows the dialog; on OK stores the choice in `remembered` and returns true.
    static bool Ask(QWidget* parent, BackgroundSizing& remembered);

private:
    QRadioButton* m_fitDrawing;
    QRadioButton* m_squashStretch;
    QRadioButton* m_normal;
};
