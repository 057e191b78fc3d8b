#pragma once

#include "app/CommandTable.h"

class QPainter;

// The pictures of the colour commands: AutoChange, sampling, depth.
namespace ColorIcons
{
// Paints icon on the 16 x 16 grid; false when icon is not one of this family's.
bool Paint(QPainter& p, CommandIcon icon);
} // namespace ColorIcons
