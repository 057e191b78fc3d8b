#pragma once

#include "view/DrawingModes.h"
#include "view/ui/CAmountDlg.h"

// The "Lines" dialog: Lines on or off and how densely a row is laid; OK writes both back.
namespace CLinesDlg
{
inline constexpr AmountDialogDescription kDescription{
    QT_TRANSLATE_NOOP("CAmountDlg", "Lines"), QT_TRANSLATE_NOOP("CAmountDlg", "Number of Globs"),
    QT_TRANSLATE_NOOP("CAmountDlg", "Few"),   QT_TRANSLATE_NOOP("CAmountDlg", "Many"),
    1, 8, &DrawingModes::lines, &DrawingModes::lineDensity};

// Shows the dialog modally; true when OK wrote the values back.
inline bool Ask(DrawingModes& modes, QWidget* parent)
{
    return CAmountDlg::Ask(kDescription, modes, parent);
}
} // namespace CLinesDlg
