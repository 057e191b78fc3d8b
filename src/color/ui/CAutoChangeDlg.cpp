#include "color/ui/CAutoChangeDlg.h"

#include <memory>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "color/AutoChangeCommand.h"

namespace
{
const AutoChangeDialogDescription kHue{QT_TRANSLATE_NOOP("CAutoChangeDlg", "AutoChange Hue"),
                                       {AutoUp, AutoDown, AutoUpDown, AutoDownUp, AutoRandom}};
const AutoChangeDialogDescription kSaturation{QT_TRANSLATE_NOOP("CAutoChangeDlg", "AutoChange Saturation"),
                                              {AutoUpDown, AutoUp, AutoDown, AutoDownUp, AutoRandom}};
const AutoChangeDialogDescription kValue{QT_TRANSLATE_NOOP("CAutoChangeDlg", "AutoChange Value"),
                                         {AutoUpDown, AutoUp, AutoDown, AutoDownUp, AutoRandom}};
} // namespace

CAutoChangeDlg::CAutoChangeDlg(const AutoChangeDialogDescription& description,
                               const AutoChangeChannel& settings, QWidget* parent)
    : QDialog(parent), m_mode(settings.mode <= AutoDownUp ? settings.mode : std::uint8_t(AutoOff)),
      m_speed(settings.speed)
{
    setWindowTitle(tr(description.title));
    auto* modes = new QGridLayout;
    for (int row = 0; row < 5; ++row)
        modes->addWidget(AddModeButton(description.order[size_t(row)]), row, 0);
    modes->addWidget(AddModeButton(AutoOff), 4, 1);
    m_buttons[m_mode]->setChecked(true);

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(1, 10);
    m_slider->setValue(settings.speed);
    auto* speed = new QGroupBox(tr("Speed"), this);
    auto* speedRow = new QHBoxLayout(speed);
    speedRow->addWidget(new QLabel(tr("Slow"), speed));
    speedRow->addWidget(m_slider, 1);
    speedRow->addWidget(new QLabel(tr("Fast"), speed));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                         Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAutoChangeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAutoChangeDlg::reject);
    auto* left = new QVBoxLayout;
    left->addLayout(modes);
    left->addWidget(speed);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(buttons, 0, Qt::AlignTop);
}

QRadioButton* CAutoChangeDlg::AddModeButton(AutoChangeMode mode)
{
    auto* button = new QRadioButton(ModeText(mode), this);
    m_buttons[mode] = button;
    connect(button, &QRadioButton::clicked, this, [this, mode] { m_mode = mode; });
    return button;
}

QString CAutoChangeDlg::ModeText(AutoChangeMode mode)
{
    switch (mode) {
    case AutoUp: return tr("Up");
    case AutoDown: return tr("Down");
    case AutoUpDown: return tr("Up && Down");
    case AutoRandom: return tr("Random");
    case AutoDownUp: return tr("Down && Up");
    case AutoOff: break;
    }
    return tr("Off");
}

QRadioButton* CAutoChangeDlg::ModeButton(std::uint8_t mode) const
{
    return mode < m_buttons.size() ? m_buttons[mode] : nullptr;
}

void CAutoChangeDlg::accept()
{
    m_speed = std::uint8_t(m_slider->value());
    QDialog::accept();
}

CAutoChangeDlg* CAutoChangeDlg::Create(AutoChannel channel, const AutoChangeChannel& settings,
                                       QWidget* parent)
{
    return new CAutoChangeDlg(DescriptionOf(channel), settings, parent);
}

const AutoChangeDialogDescription& CAutoChangeDlg::DescriptionOf(AutoChannel channel)
{
    switch (channel) {
    case AutoChannel::Hue: return kHue;
    case AutoChannel::Saturation: return kSaturation;
    case AutoChannel::Value: break;
    }
    return kValue;
}

void CAutoChangeDlg::RunCommand(AutoChannel channel, bool ctrlHeld, AutoChangeState& state,
                                const HsvColor& current, RandomGenerator& random, QWidget* parent)
{
    if (ctrlHeld) {
        ToggleAutoChange(state, channel, current, random);
        return;
    }
    std::unique_ptr<CAutoChangeDlg> dialog(Create(channel, state.Channel(channel), parent));
    if (dialog->exec() == QDialog::Accepted)
        SetAutoChange(state, channel, dialog->Mode(), dialog->Speed(), current, random);
}
