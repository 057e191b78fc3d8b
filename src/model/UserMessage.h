#pragma once

#include <functional>
#include <utility>

#include <QString>

// A message for the user, raised by core code and shown by whoever listens: the GUI in a
// message box, the command line on stderr.
enum class MessageIcon { None, Information, Warning, Critical };

struct UserMessage
{
    UserMessage() = default;
    UserMessage(QString text_, MessageIcon icon_ = MessageIcon::None, QString title_ = {})
        : text(std::move(text_)), icon(icon_), title(std::move(title_))
    {
    }

    QString text;
    MessageIcon icon = MessageIcon::None;
    QString title; // empty: the program's own caption
};

using MessageSink = std::function<void(const UserMessage&)>;
