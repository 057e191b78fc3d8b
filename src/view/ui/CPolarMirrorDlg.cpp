#include "view/ui/CPolarMirrorDlg.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>

#include "view/DrawingModes.h"
#include "view/ui/CSpinEdit.h"

namespace {

constexpr int kMinCount = 2;
constexpr int kMaxCount = 50;

void WarningBox(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QGuiApplication::applicationDisplayName(), text);
}

} // namespace

CPolarMirrorDlg::CPolarMirrorDlg(DrawingModes& modes, QWidget* parent)
    : CModeDlg(tr("Polar Mirror"), modes.symmetry.polar, parent)
    , showMessage(WarningBox)
    , m_modes(modes)
    , m_number(new CSpinEdit(kMinCount, kMaxCount))
{
    m_number->setObjectName(QStringLiteral("number"));
    m_number->SetValue(modes.symmetry.polarCount);
    auto* row = new QWidget;
    auto* form = new QFormLayout(row);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Number:"), m_number);
    AddRow(row);
    AddButtons();
}

void CPolarMirrorDlg::accept()
{
    const std::optional<int> count = m_number->Value();
    if (!count) {
        showMessage(this, tr("Please enter an integer between %1 and %2.").arg(kMinCount).arg(kMaxCount));
        m_number->Edit()->setFocus();
        m_number->Edit()->selectAll();
        return;
    }
    m_modes.symmetry.polarCount = *count;
    m_modes.symmetry.polar = IsOn();
    CModeDlg::accept();
}

bool CPolarMirrorDlg::Ask(DrawingModes& modes, QWidget* parent)
{
    CPolarMirrorDlg dialog(modes, parent);
    return dialog.exec() == QDialog::Accepted;
}
