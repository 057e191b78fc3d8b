#pragma once

#include "imaging/ImageStatus.h"

#include <QImage>
#include <QString>

#include <vector>

// What the import and background commands show after any message of the reader itself.
inline const QString kErrorReadingFileText = QStringLiteral("error reading file.");

// The open-file filter of the commands that read a picture.
QString PictureFileFilter();

// Reads a BMP or JPEG file as an RGB32 image. The kind is told by the file's first bytes, so
// "PHOTO.BMP" or a JPEG saved as ".bmp" still reads; a file of neither kind is taken by its
// extension. On failure the status carries the reader's own message, if it has one.
ImageStatus ReadPictureFile(const QString& path, QImage& picture);

// The boxes a command shows when a picture could not be read: the reader's own message,
// where it has one, then "error reading file." with the stop icon.
std::vector<UserMessage> PictureReadFailureMessages(const ImageStatus& failure);
