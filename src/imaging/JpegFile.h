#pragma once

#include "imaging/ImageStatus.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures larger than this are refused before any pixel memory is taken: 64 megapixels
// (256 MB as RGB32) covers camera photographs, while a drawing is at most 2048 x 2048.
constexpr qint64 kMaxPicturePixels = qint64(8192) * 8192;
// A JPEG file longer than this is not a picture the program could use.
constexpr qint64 kMaxJpegFileBytes = qint64(256) << 20;
// Progressive files with endless scans decode forever; real files have a dozen or so.
constexpr int kMaxJpegScans = 500;

constexpr int kBackgroundJpegQuality = 100;

inline const QString kJpegErrorTitle = QStringLiteral("JPEG Library Error");
inline const QString kCantOpenFileText = QStringLiteral("Can't open file.");
inline const QString kErrorWritingJpgText = QStringLiteral("Error writing JPG file.");
inline const QString kPictureTooLargeText = QStringLiteral("The picture is too large to be read.");

// Decodes a JPEG held in memory into an RGB32 image (null on failure). Greyscale pictures
// come out as grey RGB. A file cut short fails instead of showing a half-grey picture.
ImageStatus DecodeJpeg(const QByteArray& bytes, QImage& image, qint64 maxPixels = kMaxPicturePixels);

// Encodes the picture as a baseline JPEG of the given quality (0..100).
ImageStatus EncodeJpeg(const QImage& picture, int quality, QByteArray& bytes);

// The file forms: "Can't open file." when the file cannot be read, "Error writing JPG file."
// when it cannot be written; library errors carry the library's text under kJpegErrorTitle.
ImageStatus ReadJpegFile(const QString& path, QImage& image);
ImageStatus WriteJpegFile(const QString& path, int quality, const QImage& picture);
