#include "view/ui/CAmountDlg.h"

#include <QSlider>

#include "view/DrawingModes.h"

CAmountDlg::CAmountDlg(const AmountDialogDescription& description, DrawingModes& modes, QWidget* parent)
    : CModeDlg(tr(description.title), modes.*description.on, parent), m_description(description), m_modes(modes)
{
    m_amount = AddSlider(tr(description.group), tr(description.low), tr(description.high), description.minimum,
                         description.maximum, modes.*description.amount);
    AddButtons();
}

void CAmountDlg::accept()
{
    m_modes.*m_description.on = IsOn();
    m_modes.*m_description.amount = m_amount->value();
    CModeDlg::accept();
}

bool CAmountDlg::Ask(const AmountDialogDescription& description, DrawingModes& modes, QWidget* parent)
{
    CAmountDlg dialog(description, modes, parent);
    return dialog.exec() == QDialog::Accepted;
}
