#pragma once

#include <QDialog>

class QRadioButton;
class QSlider;
class QVBoxLayout;

// The common face of the drawing-mode dialogs: "On" and "Off" at the top, the mode's own
// controls below, OK and Cancel. Subclasses write their values back in accept().
class CModeDlg : public QDialog
{
    Q_OBJECT

public:
    bool IsOn() const;

protected:
    CModeDlg(const QString& title, bool on, QWidget* parent);

    // A slider in a group box with labels at its low and high ends.
    QSlider* AddSlider(const QString& group, const QString& low, const QString& high, int minimum,
                       int maximum, int value);
    void AddRow(QWidget* row);
    // Call last in the subclass constructor: adds OK and Cancel.
    void AddButtons();

private:
    QRadioButton* m_on;
    QRadioButton* m_off;
    QVBoxLayout* m_layout;
};
