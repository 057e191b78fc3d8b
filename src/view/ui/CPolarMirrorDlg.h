#pragma once

#include <functional>

#include "view/ui/CModeDlg.h"

class CSpinEdit;
struct DrawingModes;

// The "Polar Mirror" dialog: polar on or off and the number of copies (2 to 50). An entry
// out of range keeps the dialog open and says so.
class CPolarMirrorDlg final : public CModeDlg
{
    Q_OBJECT

public:
    explicit CPolarMirrorDlg(DrawingModes& modes, QWidget* parent = nullptr);

    void accept() override;

    // Shows the dialog modally; true when OK wrote the values back.
    static bool Ask(DrawingModes& modes, QWidget* parent);

    // Shows the range message; a warning box unless replaced (tests replace it).
    std::function<void(QWidget* parent, const QString& text)> showMessage;

private:
    DrawingModes& m_modes;
    CSpinEdit* m_number;
};
