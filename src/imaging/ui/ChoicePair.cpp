#include "imaging/ui/ChoicePair.h"

#include <QHBoxLayout>
#include <QRadioButton>

ChoicePair::ChoicePair(const QString& title, const QString& first, const QString& second, bool secondChecked,
                       QWidget* parent)
    : QGroupBox(title, parent), m_first(new QRadioButton(first)), m_second(new QRadioButton(second))
{
    setFlat(title.isEmpty());
    m_first->setChecked(!secondChecked);
    m_second->setChecked(secondChecked);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_first);
    layout->addWidget(m_second);
    layout->addStretch();
}

bool ChoicePair::SecondChecked() const { return m_second->isChecked(); }

void ChoicePair::FocusChecked()
{
    (m_second->isChecked() ? m_second : m_first)->setFocus();
}
