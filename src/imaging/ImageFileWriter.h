#pragma once

#include <QImage>
#include <QString>

#include "imaging/ImageStatus.h"

// The picture kinds a drawing's image is saved as, told by the file's extension.
enum class ImageFileKind { Png, Jpeg, Bmp, Unknown };

ImageFileKind ImageFileKindOf(const QString& path);

// The save dialog's filter, one entry a kind, PNG first.
QString ImageSaveFilter();

// Writes the picture in the kind its extension names: JPEG through the program's own JPEG
// writer at `quality` (1..100), PNG and BMP whole or not at all, so a failed write leaves an
// existing file as it was. On failure the status carries the message to show.
ImageStatus WriteImageFile(const QString& path, const QImage& picture, int quality);
