#pragma once

#include <QImage>
#include <QPoint>

// The drawing window's own pointers for the modes whose click does something other than
// draw. Painted here rather than kept as files, so the art lives with the code.
enum class ModeCursor { MoveCentre, Sample, Pattern };

struct CursorPicture
{
    QImage image; // 32 x 32, ARGB32 premultiplied: dark ink with a light rim, transparent around
    QPoint hotSpot;
};

CursorPicture PaintModeCursor(ModeCursor which);
