#include "view/PatternStamp.h"

#include <optional>

#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingState.h"
#include "view/StatusSink.h"

void PatternStamp::StampAt(QPoint point, const GlobRunStore& pattern, RunColors colors)
{
    StatusSink quiet;
    StatusSink& status = m_s.status ? *m_s.status : quiet;
    status.SetWaitCursor(true);
    ShapeTable& shapes = m_s.tools.shapes;
    const int shapeBefore = shapes.CurrentIndex();
    const QPoint offset = point - pattern.origin;
    if (colors == RunColors::Preserve)
        StampPreserving(offset, pattern);
    else
        StampInNewColors(offset, pattern);
    shapes.SetCurrentIndex(shapeBefore);
    status.SetWaitCursor(false);
}

int PatternStamp::Advance(int laid)
{
    const int position = m_s.canvas.HistoryPosition();
    m_s.canvas.SetHistoryPosition(position + laid);
    return position;
}

// Each pattern glob's colour goes to the first glob laid for it. A pattern glob that lays
// nothing (off the drawing) hands its colour on to the next one of the same shape.
void PatternStamp::StampPreserving(QPoint offset, const GlobRunStore& pattern)
{
    GlobStore& records = m_s.doc.Records();
    ShapeTable& shapes = m_s.tools.shapes;
    const int before = records.GlobCount();
    const std::vector<CColorChange>& colors = pattern.ColorChanges();
    size_t nextColor = 0;
    std::optional<HsvColor> carried;
    int carriedShape = -1;
    for (int i = 0; i < pattern.GlobCount(); ++i) {
        const CGlob& g = pattern.Globs()[size_t(i)];
        if (g.shape >= shapes.Count())
            continue;
        shapes.SetCurrentIndex(g.shape);
        const int laid = m_place(QPoint(g.x, g.y) + offset, -2);
        std::optional<HsvColor> own;
        while (nextColor < colors.size() && colors[nextColor].globIndex <= i) {
            if (colors[nextColor].globIndex == i)
                own = colors[nextColor].Color();
            ++nextColor;
        }
        if (!own && carried && carriedShape == g.shape)
            own = carried;
        carried.reset();
        const int first = Advance(laid);
        if (own && laid > 0) {
            records.SetColorChange(first, *own);
        } else if (own) {
            carried = own;
            carriedShape = g.shape;
        }
    }
    if (before == 0 && !colors.empty() && colors.front().globIndex == 0)
        records.SetColorChange(0, colors.front().Color());
}

void PatternStamp::StampInNewColors(QPoint offset, const GlobRunStore& pattern)
{
    GlobStore& records = m_s.doc.Records();
    ShapeTable& shapes = m_s.tools.shapes;
    for (const CGlob& g : pattern.Globs()) {
        if (g.shape >= shapes.Count())
            continue;
        const int shapeBefore = shapes.CurrentIndex();
        shapes.SetCurrentIndex(g.shape);
        const int laid = m_place(QPoint(g.x, g.y) + offset, -1);
        const int first = Advance(laid);
        if (g.shape != shapeBefore)
            records.SetColorChange(first, shapes.Current().Color());
    }
}
