#include "view/ui/CSpinEdit.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow)
{
    auto* button = new QToolButton;
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    return button;
}

} // namespace

CSpinEdit::CSpinEdit(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum), m_edit(new QLineEdit)
{
    m_edit->setMaxLength(12);
    m_edit->installEventFilter(this);
    QToolButton* up = ArrowButton(Qt::UpArrow);
    QToolButton* down = ArrowButton(Qt::DownArrow);
    up->setObjectName(QStringLiteral("up"));
    down->setObjectName(QStringLiteral("down"));
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up);
    arrows->addWidget(down);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit);
    layout->addLayout(arrows);
    setFocusProxy(m_edit);
}

void CSpinEdit::SetValue(int value) { m_edit->setText(QString::number(value)); }

std::optional<int> CSpinEdit::Value() const
{
    bool ok = false;
    const int value = m_edit->text().trimmed().toInt(&ok);
    if (!ok || value < m_minimum || value > m_maximum)
        return std::nullopt;
    return value;
}

void CSpinEdit::Step(int delta)
{
    // An entry that is not a number in range starts again from the nearest end.
    const std::optional<int> value = Value();
    SetValue(value ? std::clamp(*value + delta, m_minimum, m_maximum) : (delta > 0 ? m_minimum : m_maximum));
}

bool CSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
