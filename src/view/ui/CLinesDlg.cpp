#include "view/ui/CLinesDlg.h"

#include <QSlider>

#include "view/DrawingModes.h"

CLinesDlg::CLinesDlg(DrawingModes& modes, QWidget* parent)
    : CModeDlg(tr("Lines"), modes.lines, parent), m_modes(modes)
{
    m_amount = AddSlider(tr("Number of Globs"), tr("Few"), tr("Many"), 1, 8, modes.lineDensity);
    AddButtons();
}

void CLinesDlg::accept()
{
    m_modes.lines = IsOn();
    m_modes.lineDensity = m_amount->value();
    CModeDlg::accept();
}

bool CLinesDlg::Ask(DrawingModes& modes, QWidget* parent)
{
    CLinesDlg dialog(modes, parent);
    return dialog.exec() == QDialog::Accepted;
}
