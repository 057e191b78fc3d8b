#include "view/ui/ViewCursors.h"

#include <QBitmap>
#include <QPixmap>

#include "shapes/ShapeTable.h"
#include "view/CursorArt.h"
#include "view/DrawingModes.h"
#include "view/DrawingTools.h"
#include "view/OneShotModes.h"

namespace {

// Mode cursors are numbered below the shapes' indices.
constexpr int kMoveCentre = -5;
constexpr int kSample = -4;
constexpr int kPattern = -3;
constexpr int kArrow = -1;

int Choice(const DrawingTools& tools)
{
    if (tools.oneShot && tools.oneShot->moveCentre)
        return kMoveCentre;
    if (tools.oneShot && (tools.oneShot->sampleColour || tools.oneShot->sampleShape))
        return kSample;
    if (tools.modes.patternMode)
        return kPattern;
    if (tools.shapes.Count() == 0 || tools.shapes.Current().CursorImage().isNull())
        return kArrow;
    return tools.shapes.CurrentIndex();
}

QCursor ModeCursorFor(ModeCursor which)
{
    const CursorPicture picture = PaintModeCursor(which);
    return QCursor(QPixmap::fromImage(picture.image), picture.hotSpot.x(), picture.hotSpot.y());
}

QCursor CursorFor(const DrawingTools& tools, int choice)
{
    switch (choice) {
    case kMoveCentre: return ModeCursorFor(ModeCursor::MoveCentre);
    case kSample: return ModeCursorFor(ModeCursor::Sample);
    case kPattern: return ModeCursorFor(ModeCursor::Pattern);
    case kArrow: return QCursor(Qt::ArrowCursor);
    default: break;
    }
    const CShape& shape = tools.shapes.Shape(choice);
    return QCursor(QBitmap::fromImage(shape.CursorImage()), QBitmap::fromImage(shape.CursorMask()),
                   shape.CursorHotSpot().x(), shape.CursorHotSpot().y());
}

} // namespace

bool ViewCursors::Changed(const DrawingTools& tools, QCursor& cursor)
{
    const int choice = Choice(tools);
    if (choice == m_lastChoice)
        return false;
    m_lastChoice = choice;
    cursor = CursorFor(tools, choice);
    return true;
}
