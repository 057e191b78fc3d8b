#pragma once

#include <QByteArray>

#include "model/BackgroundHost.h"

class DrawingCanvas;

// Lets a drawing file carry the canvas's background picture: saved as the JPEG bytes the file
// holds, and read back centred on the drawing.
class CanvasBackgroundHost final : public BackgroundHost
{
public:
    explicit CanvasBackgroundHost(DrawingCanvas& canvas) : m_canvas(canvas) {}

    QByteArray EncodeBackgroundJpeg() override;
    bool DecodeBackgroundJpeg(const QByteArray& jpeg, UserMessage& failure) override;

private:
    DrawingCanvas& m_canvas;
    // The last picture encoded and its bytes: saves and recovery copies of an unchanged
    // picture reuse them instead of encoding it again on every write.
    qint64 m_encodedKey = 0;
    QByteArray m_encoded;
};
