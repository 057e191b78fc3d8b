#include "view/ui/CJitterDlg.h"

#include <QSlider>

#include "view/DrawingModes.h"

CJitterDlg::CJitterDlg(DrawingModes& modes, QWidget* parent)
    : CModeDlg(tr("Jitter"), modes.jitter, parent), m_modes(modes)
{
    m_amount = AddSlider(tr("Amount of Jitter"), tr("Little"), tr("Much"), 1, 8, modes.jitterAmount);
    AddButtons();
}

void CJitterDlg::accept()
{
    m_modes.jitter = IsOn();
    m_modes.jitterAmount = m_amount->value();
    CModeDlg::accept();
}

bool CJitterDlg::Ask(DrawingModes& modes, QWidget* parent)
{
    CJitterDlg dialog(modes, parent);
    return dialog.exec() == QDialog::Accepted;
}
