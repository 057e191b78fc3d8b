#include "imaging/ui/CPatternDlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "imaging/ui/ChoicePair.h"

CPatternDlg::CPatternDlg(bool on, RunColors colors, QWidget* parent)
    : QDialog(parent), m_mode(new ChoicePair(QString(), tr("On"), tr("Off"), !on)),
      m_colors(new ChoicePair(tr("Colors"), tr("Preserve colors"), tr("Use new colors"), colors == RunColors::UseNew))
{
    setWindowTitle(tr("Pattern"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_mode);
    layout->addWidget(m_colors);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_mode->FocusChecked();
}

bool CPatternDlg::IsOn() const { return !m_mode->SecondChecked(); }

RunColors CPatternDlg::Colors() const { return m_colors->SecondChecked() ? RunColors::UseNew : RunColors::Preserve; }

bool CPatternDlg::Ask(bool& on, RunColors& colors, QWidget* parent)
{
    CPatternDlg dialog(on, colors, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    on = dialog.IsOn();
    colors = dialog.Colors();
    return true;
}
