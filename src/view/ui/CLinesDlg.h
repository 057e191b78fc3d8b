#pragma once

#include "view/ui/CModeDlg.h"

struct DrawingModes;

// The "Lines" dialog: Lines on or off and how densely a row is laid; OK writes both back.
class CLinesDlg final : public CModeDlg
{
    Q_OBJECT

public:
    explicit CLinesDlg(DrawingModes& modes, QWidget* parent = nullptr);

    void accept() override;

    // Shows the dialog modally; true when OK wrote the values back.
    static bool Ask(DrawingModes& modes, QWidget* parent);

private:
    DrawingModes& m_modes;
    QSlider* m_amount;
};
