#include "color/ui/CAutoChangeValDlg.h"

CAutoChangeValDlg::CAutoChangeValDlg(const AutoChangeChannel& settings, QWidget* parent)
    : CAutoChangeDlg(tr("AutoChange Value"), {AutoUpDown, AutoUp, AutoDown, AutoDownUp, AutoRandom}, settings, parent)
{
}
