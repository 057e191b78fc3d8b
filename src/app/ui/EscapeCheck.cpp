#include "app/ui/EscapeCheck.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/ui/ShellMessageBox.h"
#include "view/StatusSink.h"

EscapeCheck::EscapeCheck(QWidget* parent, QString question, StatusSink* status)
    : m_parent(parent), m_question(std::move(question)), m_status(status)
{
    qApp->installEventFilter(this);
}

EscapeCheck::~EscapeCheck()
{
    qApp->removeEventFilter(this);
}

bool EscapeCheck::Cancelled()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const bool escape = m_escape;
    m_keySeen = m_escape = false;
    if (!escape)
        return false;
    m_asking = true;
    const auto answer = ShellMessageBox::Show(
        m_parent, UserMessage(m_question, MessageIcon::Warning), ShellMessageBox::Buttons::OkCancel);
    m_asking = false;
    if (answer == ShellMessageBox::Answer::Ok)
        return true;
    // The box took the wait cursor away; the operation goes on.
    if (m_status)
        m_status->SetWaitCursor(true);
    return false;
}

bool EscapeCheck::eventFilter(QObject* watched, QEvent* event)
{
    if (m_asking)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken here, so no shortcut runs a command in the middle of the operation.
        event->accept();
        return true;
    case QEvent::KeyPress:
        if (!m_keySeen) {
            m_keySeen = true;
            m_escape = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        }
        return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
