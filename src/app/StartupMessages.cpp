#include "app/StartupMessages.h"

QString ShapesNotFoundText()
{
    return QStringLiteral("Shapes not found!");
}
