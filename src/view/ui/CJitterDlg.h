#pragma once

#include "view/DrawingModes.h"
#include "view/ui/CAmountDlg.h"

// The "Jitter" dialog: Jitter on or off and how far it scatters; OK writes both back.
namespace CJitterDlg
{
inline constexpr AmountDialogDescription kDescription{
    QT_TRANSLATE_NOOP("CAmountDlg", "Jitter"), QT_TRANSLATE_NOOP("CAmountDlg", "Amount of Jitter"),
    QT_TRANSLATE_NOOP("CAmountDlg", "Little"), QT_TRANSLATE_NOOP("CAmountDlg", "Much"),
    1, 8, &DrawingModes::jitter, &DrawingModes::jitterAmount};

// Shows the dialog modally; true when OK wrote the values back.
inline bool Ask(DrawingModes& modes, QWidget* parent)
{
    return CAmountDlg::Ask(kDescription, modes, parent);
}
} // namespace CJitterDlg
