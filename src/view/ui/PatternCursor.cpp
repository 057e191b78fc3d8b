#include "view/ui/PatternCursor.h"

QCursor PatternCursor()
{
    return QCursor(Qt::CrossCursor);
}

QCursor DrawingCursor(bool patternMode)
{
    return patternMode ? PatternCursor() : QCursor(Qt::CrossCursor);
}
