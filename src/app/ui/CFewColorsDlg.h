#pragma once

#include <QDialog>

// Warns that the display shows 256 colours or fewer.
class CFewColorsDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CFewColorsDlg(QWidget* parent = nullptr);

    static QString Text();
};
