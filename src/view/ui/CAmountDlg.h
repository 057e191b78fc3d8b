#pragma once

#include "view/ui/CModeDlg.h"

class QSlider;
struct DrawingModes;

// What sets one on/off-and-amount mode dialog apart: its texts (untranslated), the slider's
// range and the two settings it shows and writes back.
struct AmountDialogDescription
{
    const char* title;
    const char* group;
    const char* low;
    const char* high;
    int minimum;
    int maximum;
    bool DrawingModes::*on;
    int DrawingModes::*amount;
};

// A drawing mode's dialog with one amount slider (Lines, Jitter): the mode on or off and its
// amount; OK writes both back.
class CAmountDlg final : public CModeDlg
{
    Q_OBJECT

public:
    CAmountDlg(const AmountDialogDescription& description, DrawingModes& modes, QWidget* parent = nullptr);

    void accept() override;

    // Shows the dialog modally; true when OK wrote the values back.
    static bool Ask(const AmountDialogDescription& description, DrawingModes& modes, QWidget* parent);

private:
    const AmountDialogDescription& m_description;
    DrawingModes& m_modes;
    QSlider* m_amount;
};
