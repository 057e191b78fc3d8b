#pragma once

#include <QByteArray>

#include "model/UserMessage.h"

// The side of a drawing window that owns the background picture: it turns the picture into
// the JPEG bytes a drawing file holds, and back.
class BackgroundHost
{
public:
    virtual ~BackgroundHost() = default;

    // The background as a JPEG file's bytes; empty when it could not be made.
    virtual QByteArray EncodeBackgroundJpeg() = 0;
    // Takes the picture from a JPEG file's bytes; false when they could not be read, with
    // the reader's message in `failure` (its text may be empty).
    virtual bool DecodeBackgroundJpeg(const QByteArray& jpeg, UserMessage& failure) = 0;
};
