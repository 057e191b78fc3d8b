#include "view/CanvasBackgroundHost.h"

#include "imaging/BackgroundTemp.h"
#include "view/DrawingCanvas.h"

QByteArray CanvasBackgroundHost::EncodeBackgroundJpeg()
{
    if (m_canvas.Background().isNull())
        return {};
    return ::EncodeBackgroundJpeg(m_canvas.Background());
}

bool CanvasBackgroundHost::DecodeBackgroundJpeg(const QByteArray& jpeg, UserMessage& failure)
{
    QImage bitmap;
    QPoint offset;
    ImageStatus status;
    if (!::DecodeBackgroundJpeg(jpeg, m_canvas.Size(), bitmap, offset, &status)) {
        failure = UserMessage(status.message, status.icon, status.title);
        return false;
    }
    m_canvas.SetBackground(bitmap, offset);
    return true;
}
