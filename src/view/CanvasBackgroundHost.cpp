#include "view/CanvasBackgroundHost.h"

#include "imaging/BackgroundTemp.h"
#include "view/DrawingCanvas.h"

QByteArray CanvasBackgroundHost::EncodeBackgroundJpeg()
{
    const QImage& picture = m_canvas.Background();
    if (picture.isNull())
        return {};
    if (m_encoded.isEmpty() || m_encodedKey != picture.cacheKey()) {
        m_encoded = ::EncodeBackgroundJpeg(picture);
        m_encodedKey = picture.cacheKey();
    }
    return m_encoded;
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
