#pragma once

#include <QDialog>

#include "imaging/TransferStores.h"

class ChoicePair;

// The "Pattern" dialog: pattern mode on or off, and whether stamps keep the pattern's colours.
class CPatternDlg final : public QDialog
{
    Q_OBJECT

public:
    CPatternDlg(bool on, RunColors colors, QWidget* parent);
    bool IsOn() const;
    RunColors Colors() const;

    // Shows the dialog modally; on OK writes both settings back and returns true.
    static bool Ask(bool& on, RunColors& colors, QWidget* parent);

private:
    ChoicePair* m_mode;
    ChoicePair* m_colors;
};
