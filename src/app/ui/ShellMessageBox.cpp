#include "app/ui/ShellMessageBox.h"

#include <QMessageBox>

namespace
{
ShellMessageBox::Presenter& CurrentPresenter()
{
    static ShellMessageBox::Presenter presenter;
    return presenter;
}

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

ShellMessageBox::Answer ToAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes: return ShellMessageBox::Answer::Yes;
    case QMessageBox::No: return ShellMessageBox::Answer::No;
    case QMessageBox::Cancel: return ShellMessageBox::Answer::Cancel;
    default: return ShellMessageBox::Answer::Ok;
    }
}
} // namespace

ShellMessageBox::Answer ShellMessageBox::Show(QWidget* parent, const UserMessage& message,
                                              Buttons buttons)
{
    if (CurrentPresenter())
        return CurrentPresenter()(message, buttons);
    const QString title = message.title.isEmpty() ? QStringLiteral("Daubrix") : message.title;
    QMessageBox box(BoxIcon(message.icon), title, message.text,
                    QMessageBox::NoButton, parent);
    if (buttons == Buttons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
    } else if (buttons == Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return ToAnswer(box.exec());
}

void ShellMessageBox::SetPresenter(Presenter presenter)
{
    CurrentPresenter() = std::move(presenter);
}
