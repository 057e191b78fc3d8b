#pragma once

#include <QObject>
#include <QString>

class QWidget;
class StatusSink;

// Lets the user stop a long operation with Esc. While it exists, keys and clicks do not
// reach the program (the operation keeps the program busy); each check lets the screen
// repaint, looks at the first key pressed since the last check, and on Esc asks the
// question: OK stops the operation, Cancel goes on. Any other key is dropped.
class EscapeCheck final : public QObject
{
public:
    EscapeCheck(QWidget* parent, QString question, StatusSink* status = nullptr);
    ~EscapeCheck() override;

    // True when the user pressed Esc and confirmed.
    bool Cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_parent;
    QString m_question;
    StatusSink* m_status;
    bool m_keySeen = false;
    bool m_escape = false;
    bool m_asking = false;
};
