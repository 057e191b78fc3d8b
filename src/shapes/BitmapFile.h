#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads a Windows bitmap (BMP) from the bytes of a whole file into an RGB32 image.
// Understands 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed or with bit-field masks,
// bottom-up and top-down rows. The pixel bits are taken to start right after the info
// header and its colour table (the file header's offset is not used). Nothing in the header
// is trusted: sizes, counts and tables must fit in the bytes given, or the file is refused.
// On failure the image is null and false is returned.
bool LoadBitmapBytes(const QByteArray& bytes, QImage& image);

// Reads the file at path and decodes it with LoadBitmapBytes.
bool LoadBitmapFile(const QString& path, QImage& image);
