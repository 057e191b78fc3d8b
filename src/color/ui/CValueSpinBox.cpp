#include "color/ui/CValueSpinBox.h"

#include <algorithm>

#include <QLineEdit>

namespace {
constexpr int kTypingLimit = 999999; // wide enough to type a wrong number and be told so
}

CValueSpinBox::CValueSpinBox(int minimum, int maximum, QWidget* parent)
    : QSpinBox(parent), m_minimum(minimum), m_maximum(maximum)
{
    setRange(-kTypingLimit, kTypingLimit);
    setValue(minimum);
}

int CValueSpinBox::Position() const
{
    return std::clamp(value(), m_minimum, m_maximum);
}

void CValueSpinBox::SetText(int number)
{
    setValue(number);
}

QString CValueSpinBox::Text() const
{
    return lineEdit()->text();
}

void CValueSpinBox::stepBy(int steps)
{
    setValue(std::clamp(Position() + steps, m_minimum, m_maximum));
}

QAbstractSpinBox::StepEnabled CValueSpinBox::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (Position() > m_minimum)
        enabled |= StepDownEnabled;
    if (Position() < m_maximum)
        enabled |= StepUpEnabled;
    return enabled;
}
