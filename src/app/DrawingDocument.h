#pragma once

#include <optional>

#include <QByteArray>
#include <QSize>

#include "color/HsvColor.h"

// What the shell needs of a drawing: its size and colours for the dialogs, and its bytes
// for the file commands. The drawing model implements it.
class DrawingDocument
{
public:
    enum class ReadStatus { Ok, BadFormat, Failed };

    virtual ~DrawingDocument() = default;

    virtual void InitNew(QSize size) = 0;
    virtual QSize Size() const = 0;
    virtual RgbColor BackgroundColor() const = 0;
    virtual int GlobCount() const = 0;
    virtual int ColorChangeCount() const = 0;

    // The file's bytes, or nothing when they could not be made.
    virtual std::optional<QByteArray> Write() = 0;
    // On failure the document keeps what it held before.
    virtual ReadStatus Read(const QByteArray& bytes) = 0;
};
