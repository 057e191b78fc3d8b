#include "app/ui/CNewDrawingDlg.h"

#include <algorithm>
#include <optional>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/ui/ShellMessageBox.h"

namespace
{
const QSize kPresets[] = {{1024, 768}, {800, 600}, {640, 480}, {400, 400}};

QSpinBox* MakeSizeBox(int value)
{
    auto* box = new QSpinBox;
    box->setRange(CNewDrawingDlg::kMin, CNewDrawingDlg::kMax);
    box->setValue(value);
    return box;
}

QLineEdit* Editor(QSpinBox* box)
{
    return box->findChild<QLineEdit*>();
}

// The number typed so far, which may still lie outside the range.
std::optional<int> TypedValue(const QSpinBox* box)
{
    bool ok = false;
    const int value = box->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
} // namespace

CNewDrawingDlg::CNewDrawingDlg(QSize size, bool lockAspect, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("New Drawing"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewDrawingDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewDrawingDlg::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(MakePresets(size));
    row->addWidget(MakeSizeGroup(size));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    m_lock->setChecked(lockAspect);
    ApplyLock();
    m_initialising = false;
}

QWidget* CNewDrawingDlg::MakePresets(QSize current)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (QSize preset : kPresets) {
        auto* radio = new QRadioButton(QStringLiteral("%1 x %2").arg(preset.width()).arg(preset.height()));
        radio->setChecked(preset == current);
        group->addButton(radio);
        layout->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, preset] { ChoosePreset(preset); });
    }
    layout->addStretch();
    return box;
}

QWidget* CNewDrawingDlg::MakeSizeGroup(QSize current)
{
    auto* group = new QGroupBox(QStringLiteral("Drawing Size"));
    m_width = MakeSizeBox(current.width());
    m_height = MakeSizeBox(current.height());
    m_lock = new QCheckBox(QStringLiteral("Lock aspect ratio"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Width:"), m_width);
    form->addRow(QStringLiteral("Height:"), m_height);
    form->addRow(m_lock);
    connect(m_lock, &QCheckBox::toggled, this, &CNewDrawingDlg::ApplyLock);
    // The editor's own signal: the spin box stays silent while a number is out of range.
    connect(Editor(m_width), &QLineEdit::textChanged, this, &CNewDrawingDlg::FollowWidth);
    return group;
}

void CNewDrawingDlg::ChoosePreset(QSize size)
{
    m_width->setValue(size.width());
    m_height->setValue(size.height());
    ApplyLock();
}

void CNewDrawingDlg::ApplyLock()
{
    const bool locked = m_lock->isChecked();
    if (locked)
        m_ratio = QSize(TypedValue(m_width).value_or(m_width->value()),
                        TypedValue(m_height).value_or(m_height->value()));
    m_height->setEnabled(!locked);
}

void CNewDrawingDlg::FollowWidth()
{
    if (m_initialising || !m_lock->isChecked() || m_ratio.width() <= 0)
        return;
    const int width = std::clamp(TypedValue(m_width).value_or(kMin), kMin, kMax);
    const int height = int(qint64(width) * m_ratio.height() / m_ratio.width());
    Editor(m_height)->setText(QString::number(height));
}

bool CNewDrawingDlg::CheckRange(QSpinBox* box)
{
    const std::optional<int> value = TypedValue(box);
    if (value && *value >= kMin && *value <= kMax)
        return true;
    ShellMessageBox::Show(this, {QStringLiteral("Please enter an integer between %1 and %2.")
                                     .arg(kMin)
                                     .arg(kMax),
                                 MessageIcon::Warning});
    box->setFocus();
    box->selectAll();
    return false;
}

void CNewDrawingDlg::accept()
{
    if (!CheckRange(m_width) || !CheckRange(m_height))
        return;
    QDialog::accept();
}

QSize CNewDrawingDlg::DrawingSize() const
{
    return QSize(TypedValue(m_width).value_or(m_width->value()),
                 TypedValue(m_height).value_or(m_height->value()));
}

bool CNewDrawingDlg::LockAspect() const
{
    return m_lock->isChecked();
}
