#pragma once

#include "view/ui/CModeDlg.h"

class QSpinBox;
struct DrawingModes;

// The "Skipping" dialog: the slider picks the skip in steps of the multiplier; OK stores
// Skipping, the multiplier and skip value = slider x multiplier.
class CSkippingDlg final : public CModeDlg
{
    Q_OBJECT

public:
    explicit CSkippingDlg(DrawingModes& modes, QWidget* parent = nullptr);

    void accept() override;

    // Shows the dialog modally; true when OK wrote the values back.
    static bool Ask(DrawingModes& modes, QWidget* parent);

private:
    DrawingModes& m_modes;
    QSlider* m_amount;
    QSpinBox* m_multiplier;
};
