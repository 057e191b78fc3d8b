#pragma once

#include "color/ui/CAutoChangeDlg.h"

class CAutoChangeSatDlg final : public CAutoChangeDlg
{
    Q_OBJECT
public:
    explicit CAutoChangeSatDlg(const AutoChangeChannel& settings, QWidget* parent = nullptr);
};
