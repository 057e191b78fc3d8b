#include "view/ui/CModeDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

CModeDlg::CModeDlg(const QString& title, bool on, QWidget* parent)
    : QDialog(parent)
    , m_on(new QRadioButton(tr("On")))
    , m_off(new QRadioButton(tr("Off")))
    , m_layout(new QVBoxLayout(this))
{
    setWindowTitle(title);
    m_on->setObjectName(QStringLiteral("on"));
    m_off->setObjectName(QStringLiteral("off"));
    m_on->setChecked(on);
    m_off->setChecked(!on);
    auto* radios = new QHBoxLayout;
    radios->addWidget(m_on);
    radios->addWidget(m_off);
    radios->addStretch();
    m_layout->addLayout(radios);
}

bool CModeDlg::IsOn() const { return m_on->isChecked(); }

QSlider* CModeDlg::AddSlider(const QString& group, const QString& low, const QString& high, int minimum,
                             int maximum, int value)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QStringLiteral("amount"));
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    auto* box = new QGroupBox(group);
    auto* grid = new QGridLayout(box);
    grid->addWidget(slider, 0, 0, 1, 2);
    grid->addWidget(new QLabel(low), 1, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel(high), 1, 1, Qt::AlignRight);
    m_layout->addWidget(box);
    return slider;
}

void CModeDlg::AddRow(QWidget* row) { m_layout->addWidget(row); }

void CModeDlg::AddButtons()
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_layout->addWidget(buttons);
}
