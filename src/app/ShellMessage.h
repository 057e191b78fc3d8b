#pragma once

#include <functional>

#include <QString>

// A message for the user: the exact text and the kind of icon it is shown with.
struct ShellMessage
{
    enum class Icon { None, Information, Warning, Stop };

    QString text;
    Icon icon = Icon::None;
};

using ShellMessageSink = std::function<void(const ShellMessage&)>;
