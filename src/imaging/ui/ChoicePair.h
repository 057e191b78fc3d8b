#pragma once

#include <QGroupBox>

class QRadioButton;

// Two radio buttons, one of them checked, in a group box (or without a frame when the
// title is empty).
class ChoicePair final : public QGroupBox
{
    Q_OBJECT

public:
    ChoicePair(const QString& title, const QString& first, const QString& second, bool secondChecked,
               QWidget* parent = nullptr);
    bool SecondChecked() const;
    // The keyboard starts on the checked choice; the arrow keys move to the other.
    void FocusChecked();

private:
    QRadioButton* m_first;
    QRadioButton* m_second;
};
