#include "color/ui/CColorValuesDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "color/ColorConversion.h"
#include "color/ColorsLayout.h"
#include "color/ui/CValueSpinBox.h"

CColorValuesDlg::CColorValuesDlg(const HsvColor& start, QWidget* parent)
    : QDialog(parent), m_startRgb(HsvColorToRgb(start)), m_result(start)
{
    setWindowTitle(tr("Enter Color Values"));
    showInvalid = [this](const QString& text) {
        QMessageBox::warning(this, windowTitle(), text);
    };
    auto* hsv = MakeGroup(tr("HSV"), Hue, {tr("Hue:"), tr("Sat:"), tr("Val:")});
    auto* toRgb = new QPushButton(tr(">>"), this);
    auto* toHsv = new QPushButton(tr("<<"), this);
    auto* rgb = MakeGroup(tr("RGB"), Red, {tr("Red:"), tr("Green:"), tr("Blue:")});
    m_swatch = new QFrame(this);
    m_swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_swatch->setLineWidth(2);
    m_swatch->setAutoFillBackground(true);
    m_swatch->setMinimumSize(40, 40);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(toRgb);
    middle->addWidget(toHsv);
    middle->addStretch();
    auto* side = new QVBoxLayout;
    side->addWidget(m_swatch, 1);
    side->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(hsv);
    layout->addLayout(middle);
    layout->addWidget(rgb);
    layout->addLayout(side);

    m_edits[Hue]->SetText(start.hue);
    m_edits[Sat]->SetText(start.saturation);
    m_edits[Val]->SetText(start.value);
    m_edits[Red]->SetText(RgbRed(m_startRgb));
    m_edits[Green]->SetText(RgbGreen(m_startRgb));
    m_edits[Blue]->SetText(RgbBlue(m_startRgb));
    SetSwatch(m_startRgb);

    for (int f = Hue; f <= Val; ++f)
        connect(m_edits[f], &QSpinBox::textChanged, this, &CColorValuesDlg::ShowHsv);
    for (int f = Red; f <= Blue; ++f)
        connect(m_edits[f], &QSpinBox::textChanged, this, &CColorValuesDlg::ShowRgb);
    connect(toRgb, &QPushButton::clicked, this, &CColorValuesDlg::CopyHsvToRgb);
    connect(toHsv, &QPushButton::clicked, this, &CColorValuesDlg::CopyRgbToHsv);
    connect(buttons, &QDialogButtonBox::accepted, this, &CColorValuesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CColorValuesDlg::reject);
}

QGroupBox* CColorValuesDlg::MakeGroup(const QString& title, Field first,
                                      const std::array<QString, 3>& labels)
{
    auto* group = new QGroupBox(title, this);
    auto* form = new QFormLayout(group);
    for (int i = 0; i < 3; ++i) {
        const int field = first + i;
        m_edits[field] = new CValueSpinBox(0, field == Hue ? 360 : 255, group);
        form->addRow(labels[size_t(i)], m_edits[field]);
    }
    return group;
}

QColor CColorValuesDlg::SwatchColor() const
{
    return m_swatch->palette().color(QPalette::Window);
}

void CColorValuesDlg::CopyHsvToRgb()
{
    const RgbColor rgb = HsvToRgb(m_edits[Hue]->Position(), ByteFraction(m_edits[Sat]->Position()),
                                  ByteFraction(m_edits[Val]->Position()));
    m_edits[Red]->SetText(RgbRed(rgb));
    m_edits[Green]->SetText(RgbGreen(rgb));
    m_edits[Blue]->SetText(RgbBlue(rgb));
}

void CColorValuesDlg::CopyRgbToHsv()
{
    const HsvColor hsv = RgbToHsvColor(m_edits[Red]->Position(), m_edits[Green]->Position(),
                                       m_edits[Blue]->Position());
    m_edits[Hue]->SetText(hsv.hue);
    m_edits[Sat]->SetText(hsv.saturation);
    m_edits[Val]->SetText(hsv.value);
}

void CColorValuesDlg::ShowHsv()
{
    SetSwatch(HsvToRgb(m_edits[Hue]->Position(), ByteFraction(m_edits[Sat]->Position()),
                       ByteFraction(m_edits[Val]->Position())));
}

void CColorValuesDlg::ShowRgb()
{
    SetSwatch(MakeRgb(m_edits[Red]->Position(), m_edits[Green]->Position(),
                      m_edits[Blue]->Position()));
}

void CColorValuesDlg::SetSwatch(RgbColor color)
{
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(ColorsLayout::ToQRgb(color)));
    m_swatch->setPalette(palette);
}

bool CColorValuesDlg::Validate()
{
    for (CValueSpinBox* edit : m_edits) {
        bool isNumber = false;
        const int number = edit->Text().trimmed().toInt(&isNumber);
        QString problem;
        if (!isNumber)
            problem = tr("Please enter an integer.");
        else if (number < edit->Minimum() || number > edit->Maximum())
            problem = tr("Please enter an integer between %1 and %2.")
                          .arg(edit->Minimum()).arg(edit->Maximum());
        if (!problem.isEmpty()) {
            showInvalid(problem);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    return true;
}

HsvColor CColorValuesDlg::ChooseResult() const
{
    const int red = m_edits[Red]->Position();
    const int green = m_edits[Green]->Position();
    const int blue = m_edits[Blue]->Position();
    if (MakeRgb(red, green, blue) != m_startRgb)
        return RgbToHsvColor(red, green, blue);
    return HsvColor{std::int16_t(m_edits[Hue]->Position()), std::uint8_t(m_edits[Sat]->Position()),
                    std::uint8_t(m_edits[Val]->Position())};
}

void CColorValuesDlg::accept()
{
    if (!Validate())
        return;
    m_result = ChooseResult();
    QDialog::accept();
}

std::optional<HsvColor> CColorValuesDlg::Run(const HsvColor& start, QWidget* parent)
{
    CColorValuesDlg dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Result();
}
