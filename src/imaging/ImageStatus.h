#pragma once

#include <QString>

#include <utility>

// How a message about a picture file is shown: stop sign, exclamation mark, information or
// a plain box.
enum class MessageIcon
{
    None,
    Stop,
    Exclamation,
    Information,
};

// The outcome of reading or writing a picture. A failure carries the text the caller shows
// once; an empty message means the failure is silent (or the caller adds its own text).
struct ImageStatus
{
    bool ok = true;
    QString message;
    QString title; // empty: the program's own caption
    MessageIcon icon = MessageIcon::None;

    static ImageStatus Success() { return {}; }
    static ImageStatus Failure(QString message, MessageIcon icon, QString title = {})
    {
        return {false, std::move(message), std::move(title), icon};
    }
};
