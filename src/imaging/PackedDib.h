#pragma once

#include <QByteArray>
#include <QImage>

// A packed device-independent bitmap of a picture: the 40-byte information header, then the
// pixel rows bottom-up, 24 bits (blue, green, red) per pixel, each row padded to 4 bytes.
// Prefix a 14-byte file header and it is a BMP file. Empty for a null picture.
QByteArray MakeDib(const QImage& picture);
