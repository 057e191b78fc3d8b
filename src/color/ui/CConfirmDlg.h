#pragma once

#include <QDialog>

// The yes/no questions asked before something is thrown away. "Yes" accepts, "No" rejects.
class CConfirmDlg : public QDialog
{
    Q_OBJECT
public:
    enum class Question { DeleteColor, DeleteAllColors, ClearDrawing };

    explicit CConfirmDlg(Question question, QWidget* parent = nullptr);

    static QString Text(Question question);
    // Runs the dialog; true when the answer is Yes.
    static bool Ask(Question question, QWidget* parent);
};
