#pragma once

#include <QSpinBox>

// An edit with arrows whose text may hold any integer while it is typed; the arrows and
// the position stay inside the allowed range, and the dialog checks the text on OK.
class CValueSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    CValueSpinBox(int minimum, int maximum, QWidget* parent = nullptr);

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    int Position() const;               // the value clamped into the allowed range
    void SetText(int number);           // writes the number as decimal text
    QString Text() const;
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimum;
    int m_maximum;
};
