#include "view/ui/CSimulateDepthDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "model/DepthSimulation.h"

namespace {

QGroupBox* TwoChoices(const QString& title, QRadioButton* first, QRadioButton* second)
{
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

QSlider* DepthSlider(const QString& name, int value)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(name);
    slider->setRange(0, 25);
    slider->setValue(value);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(5);
    slider->setMinimumWidth(220);
    return slider;
}

} // namespace

CSimulateDepthDlg::CSimulateDepthDlg(DepthSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Simulate Depth"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(MakeRangeGroup());
    choices->addWidget(MakeSchemeGroup());
    layout->addLayout(choices);
    layout->addWidget(MakeDepthGroup());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ShowSchemeEnds();
}

QWidget* CSimulateDepthDlg::MakeRangeGroup()
{
    m_entire = new QRadioButton(tr("Entire Drawing"));
    m_lastSection = new QRadioButton(tr("Last Section Only"));
    (m_settings.entireDrawing ? m_entire : m_lastSection)->setChecked(true);
    return TwoChoices(tr("Apply Depth to"), m_entire, m_lastSection);
}

QWidget* CSimulateDepthDlg::MakeSchemeGroup()
{
    m_light = new QRadioButton(tr("Light (deeper globs are darker)"));
    m_chroma = new QRadioButton(tr("ChromaDepth (tm)"));
    (m_settings.light ? m_light : m_chroma)->setChecked(true);
    connect(m_light, &QRadioButton::toggled, this, &CSimulateDepthDlg::ShowSchemeEnds);
    return TwoChoices(tr("Simulate Depth Using"), m_light, m_chroma);
}

QWidget* CSimulateDepthDlg::MakeDepthGroup()
{
    auto* group = new QGroupBox(tr("Depth Range"));
    auto* grid = new QGridLayout(group);
    m_bottom = DepthSlider(QStringLiteral("bottom"), m_settings.bottom);
    m_top = DepthSlider(QStringLiteral("top"), m_settings.top);
    grid->addWidget(new QLabel(tr("Bottom")), 0, 0);
    grid->addWidget(m_bottom, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Top")), 1, 0);
    grid->addWidget(m_top, 1, 1, 1, 2);
    m_leftEnd = new QLabel;
    m_rightEnd = new QLabel;
    m_rightEnd->setAlignment(Qt::AlignRight);
    grid->addWidget(m_leftEnd, 2, 1);
    grid->addWidget(m_rightEnd, 2, 2);
    // Bottom stays below Top: whichever slider moves is held back by the other.
    connect(m_bottom, &QSlider::valueChanged, this, [this](int bottom) {
        if (bottom >= m_top->value())
            m_bottom->setValue(m_top->value() - 1);
    });
    connect(m_top, &QSlider::valueChanged, this, [this](int top) {
        if (top <= m_bottom->value())
            m_top->setValue(m_bottom->value() + 1);
    });
    return group;
}

void CSimulateDepthDlg::ShowSchemeEnds()
{
    const bool light = m_light->isChecked();
    m_leftEnd->setText(light ? tr("Dark") : tr("Blue"));
    m_rightEnd->setText(light ? tr("Light") : tr("Red"));
}

void CSimulateDepthDlg::accept()
{
    m_settings.entireDrawing = m_entire->isChecked();
    m_settings.light = m_light->isChecked();
    m_settings.bottom = m_bottom->value();
    m_settings.top = m_top->value();
    QDialog::accept();
}

bool CSimulateDepthDlg::Ask(DepthSettings& settings, QWidget* parent)
{
    CSimulateDepthDlg dialog(settings, parent);
    return dialog.exec() == QDialog::Accepted;
}
