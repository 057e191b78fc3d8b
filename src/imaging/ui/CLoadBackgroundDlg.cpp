#include "imaging/ui/CLoadBackgroundDlg.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CLoadBackgroundDlg::CLoadBackgroundDlg(BackgroundSizing current, QWidget* parent)
    : QDialog(parent)
    , m_fitDrawing(new QRadioButton(tr("Fit drawing")))
    , m_squashStretch(new QRadioButton(tr("Squash/Stretch")))
    , m_normal(new QRadioButton(tr("Normal")))
{
    setWindowTitle(tr("Load Background Image"));
    auto* group = new QGroupBox(tr("Size"));
    auto* groupLayout = new QVBoxLayout(group);
    for (QRadioButton* button : {m_fitDrawing, m_squashStretch, m_normal})
        groupLayout->addWidget(button);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    m_fitDrawing->setChecked(current == BackgroundSizing::FitDrawing);
    m_squashStretch->setChecked(current == BackgroundSizing::SquashStretch);
    m_normal->setChecked(current == BackgroundSizing::Normal);
}

BackgroundSizing CLoadBackgroundDlg::sizing() const
{
    if (m_fitDrawing->isChecked())
        return BackgroundSizing::FitDrawing;
    if (m_squashStretch->isChecked())
        return BackgroundSizing::SquashStretch;
    return BackgroundSizing::Normal;
}

bool CLoadBackgroundDlg::Ask(QWidget* parent, BackgroundSizing& remembered)
{
    CLoadBackgroundDlg dialog(remembered, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    remembered = dialog.sizing();
    return true;
}
