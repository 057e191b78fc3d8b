#pragma once

#include <QDialog>

// The program's name, picture and version.
class CAboutDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
