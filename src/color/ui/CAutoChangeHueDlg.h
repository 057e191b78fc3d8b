#pragma once

#include "color/ui/CAutoChangeDlg.h"

class CAutoChangeHueDlg final : public CAutoChangeDlg
{
    Q_OBJECT
public:
    explicit CAutoChangeHueDlg(const AutoChangeChannel& settings, QWidget* parent = nullptr);
};
