#include "color/ui/CAutoChangeHueDlg.h"

CAutoChangeHueDlg::CAutoChangeHueDlg(const AutoChangeChannel& settings, QWidget* parent)
    : CAutoChangeDlg(tr("AutoChange Hue"), {AutoUp, AutoDown, AutoUpDown, AutoDownUp, AutoRandom}, settings, parent)
{
}
