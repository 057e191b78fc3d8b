#pragma once

#include <functional>

#include <QString>

// A message for the user, raised by core code and shown by whoever listens: the GUI in a
// message box, the command line on stderr.
enum class MessageIcon { None, Information, Warning, Critical };

struct UserMessage
{
    QString text;
    MessageIcon icon = MessageIcon::None;
};

using MessageSink = std::function<void(const UserMessage&)>;
