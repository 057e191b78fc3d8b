#pragma once

#include <QImage>

#include "app/CommandTable.h"

// The toolbar and menu pictures, painted from a few lines and shapes each, so they stay
// crisp at any size and need no image files.
namespace CommandIcons
{
// A transparent ARGB image of side x side pixels; a null image for CommandIcon::None.
QImage Paint(CommandIcon icon, int side);

// The program's own picture: a few overlapping globs of colour.
QImage PaintProgramIcon(int side);
} // namespace CommandIcons
