#pragma once

#include <QImage>
#include <QSize>

// RGB32 images whose rows do not start a multiple of 2048 bytes apart. Rows of a
// power-of-two width otherwise fall into the same few processor cache sets, and stamping a
// glob's rows one under the other keeps evicting them: a 2048-pixel-wide drawing replays a
// third slower than a 2062-pixel-wide one. Sixty-four bytes more per row avoid it.
QImage NewPaddedImage(QSize size);

// Copies the pixels of `from` into `to`, keeping `to`'s rows (and so its padding) when the
// sizes and formats match; otherwise `to` becomes a padded copy of `from`.
void CopyPixels(const QImage& from, QImage& to);
