#include "color/ui/CAutoChangeSatDlg.h"

CAutoChangeSatDlg::CAutoChangeSatDlg(const AutoChangeChannel& settings, QWidget* parent)
    : CAutoChangeDlg(tr("AutoChange Saturation"), {AutoUpDown, AutoUp, AutoDown, AutoDownUp, AutoRandom}, settings, parent)
{
}
