#pragma once

#include "imaging/BackgroundPlacement.h"
#include "imaging/ImageStatus.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The file "DBRtemp.tmp" through which a background passes as a quality-100 JPEG. Each
// object makes a fresh private folder for it, removed with the object: make one per use.
class BackgroundTemp
{
public:
    BackgroundTemp();

    QString path() const;

    ImageStatus WriteBackgroundTemp(const QImage& background);
    // Reads the picture back, centred on the drawing and cut to it.
    ImageStatus ReadBackgroundTemp(QSize drawing, PlacedBackground& background) const;

private:
    QTemporaryDir m_dir;
};

// The stored form of a background: the very bytes WriteBackgroundTemp puts in the file.
QByteArray EncodeBackgroundJpeg(const QImage& background, ImageStatus* status = nullptr);
bool DecodeBackgroundJpeg(const QByteArray& bytes, QSize drawing, QImage& bitmap, QPoint& offset,
                          ImageStatus* status = nullptr);

// Load background: places the picture as chosen, then passes it through the temporary file
// so the drawing shows exactly what a later save stores. On failure there is no background.
ImageStatus MakeBackground(const QImage& picture, QSize drawing, BackgroundSizing sizing,
                           PlacedBackground& background);
