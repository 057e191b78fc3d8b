#pragma once

#include <optional>

#include <QWidget>

class QLineEdit;

// An edit box with up and down arrows beside it. Unlike QSpinBox it keeps whatever was
// typed, so the dialog can check the entry on OK and say what is wrong with it.
class CSpinEdit final : public QWidget
{
    Q_OBJECT

public:
    CSpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

    void SetValue(int value);
    // The typed number, when it is an integer within the range.
    std::optional<int> Value() const;
    QLineEdit* Edit() const { return m_edit; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Step(int delta);

    int m_minimum;
    int m_maximum;
    QLineEdit* m_edit;
};
