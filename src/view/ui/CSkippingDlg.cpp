#include "view/ui/CSkippingDlg.h"

#include <algorithm>

#include <QFormLayout>
#include <QSlider>
#include <QSpinBox>

#include "view/DrawingModes.h"

CSkippingDlg::CSkippingDlg(DrawingModes& modes, QWidget* parent)
    : CModeDlg(tr("Skipping"), modes.skipping, parent), m_modes(modes), m_multiplier(new QSpinBox)
{
    // Settings from an older or edited store may hold 0 here; never divide by it.
    const int multiplier = std::clamp(modes.skipMultiplier, 1, 10);
    m_amount = AddSlider(tr("Amount of Skip"), tr("Little"), tr("Much"), 1, 10, modes.skipValue / multiplier);
    m_multiplier->setObjectName(QStringLiteral("multiplier"));
    m_multiplier->setRange(1, 10);
    m_multiplier->setValue(multiplier);
    auto* row = new QWidget;
    auto* form = new QFormLayout(row);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Skip multiplier:"), m_multiplier);
    AddRow(row);
    AddButtons();
}

void CSkippingDlg::accept()
{
    m_modes.skipping = IsOn();
    m_modes.skipMultiplier = m_multiplier->value();
    m_modes.skipValue = m_amount->value() * m_modes.skipMultiplier;
    CModeDlg::accept();
}

bool CSkippingDlg::Ask(DrawingModes& modes, QWidget* parent)
{
    CSkippingDlg dialog(modes, parent);
    return dialog.exec() == QDialog::Accepted;
}
