#include "imaging/ui/CJpegSettingsDlg.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

CJpegSettingsDlg::CJpegSettingsDlg(int quality, QWidget* parent)
    : QDialog(parent), m_slider(new QSlider(Qt::Horizontal))
{
    setWindowTitle(tr("JPEG settings"));
    m_slider->setRange(kLowest, kHighest);
    m_slider->setValue(std::clamp(quality, kLowest, kHighest));
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(10);
    auto* group = new QGroupBox(tr("Image Quality"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Low")), 0, 0, Qt::AlignLeft);
    grid->addWidget(m_slider, 0, 1);
    grid->addWidget(new QLabel(tr("High")), 0, 2, Qt::AlignRight);
    grid->addWidget(new QLabel(tr("(smaller)")), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("(larger)")), 1, 2, Qt::AlignRight);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

int CJpegSettingsDlg::quality() const
{
    return m_slider->value();
}

bool CJpegSettingsDlg::Ask(QWidget* parent, int& remembered)
{
    CJpegSettingsDlg dialog(remembered, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    remembered = dialog.quality();
    return true;
}
