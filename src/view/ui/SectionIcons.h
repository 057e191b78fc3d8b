#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

enum class SectionStep { Previous, Next };

// The history window's button art, drawn by code: a bar and a triangle pointing the way
// the button moves. `scale` 1 gives 12 x 12 pixels, 2 gives 24 x 24, both on whole pixels.
QImage SectionStepImage(SectionStep step, int scale, QColor ink);
// Both scales in one icon, in the given ink.
QIcon SectionStepIcon(SectionStep step, QColor ink);
