#pragma once

#include "view/ui/CModeDlg.h"

struct DrawingModes;

// The "Jitter" dialog: Jitter on or off and how far it scatters; OK writes both back.
class CJitterDlg final : public CModeDlg
{
    Q_OBJECT

public:
    explicit CJitterDlg(DrawingModes& modes, QWidget* parent = nullptr);

    void accept() override;

private:
    DrawingModes& m_modes;
    QSlider* m_amount;
};
