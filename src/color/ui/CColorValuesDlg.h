#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QDialog>

#include "color/HsvColor.h"

class CValueSpinBox;
class QFrame;
class QGroupBox;

// "Enter Color Values": a colour typed as hue/saturation/value or as red/green/blue.
// Once the red/green/blue numbers differ from the ones the dialog started with, they decide
// the result and the hue/saturation/value numbers are ignored.
class CColorValuesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CColorValuesDlg(const HsvColor& start, QWidget* parent = nullptr);

    enum Field { Hue, Sat, Val, Red, Green, Blue };
    CValueSpinBox* Edit(Field field) const { return m_edits[field]; }
    QColor SwatchColor() const;
    HsvColor Result() const { return m_result; }

    void CopyHsvToRgb(); // ">>"
    void CopyRgbToHsv(); // "<<"

    // Where the validation message goes; a warning box unless replaced (tests do).
    std::function<void(const QString&)> showInvalid;

    // Runs the dialog on a colour; the chosen colour on OK.
    static std::optional<HsvColor> Run(const HsvColor& start, QWidget* parent);

public slots:
    void accept() override;

private:
    QGroupBox* MakeGroup(const QString& title, Field first, const std::array<QString, 3>& labels);
    void ShowHsv();
    void ShowRgb();
    void SetSwatch(RgbColor color);
    bool Validate();
    HsvColor ChooseResult() const;

    std::array<CValueSpinBox*, 6> m_edits{};
    QFrame* m_swatch = nullptr;
    RgbColor m_startRgb = 0;
    HsvColor m_result;
};
