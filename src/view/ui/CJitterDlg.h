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

    // Shows the dialog modally; true when OK wrote the values back.
    static bool Ask(DrawingModes& modes, QWidget* parent);

private:
    DrawingModes& m_modes;
    QSlider* m_amount;
};
