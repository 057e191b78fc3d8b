#pragma once

#include <QImage>

// The pictures on the Colors window's three buttons, drawn here rather than shipped.
enum class ColorButton { Values, Previous, Next };

QImage ColorButtonArt(ColorButton which);
