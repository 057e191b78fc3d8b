#pragma once

#include "color/ui/CAutoChangeDlg.h"

class CAutoChangeValDlg final : public CAutoChangeDlg
{
    Q_OBJECT
public:
    explicit CAutoChangeValDlg(const AutoChangeChannel& settings, QWidget* parent = nullptr);
};
