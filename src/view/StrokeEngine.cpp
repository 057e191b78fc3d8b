#include "view/StrokeEngine.h"

#include <cmath>
#include <cstdlib>

#include "color/RandomGenerator.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/ColorKeyRepaints.h"
#include "view/DrawingHistory.h"
#include "view/DrawingModes.h"
#include "view/DrawingState.h"
#include "view/OneShotModes.h"
#include "view/PaletteLink.h"
#include "view/PatternStamp.h"
#include "view/UndoState.h"

namespace {

constexpr int kPressMargin = 20;

HsvColor ColorAt(const CDaubrixDoc& doc, int globIndex)
{
    return HsvColor{std::int16_t(doc.Records().HueAt(globIndex)), std::uint8_t(doc.Records().SaturationAt(globIndex)),
                    std::uint8_t(doc.Records().ValueAt(globIndex))};
}

} // namespace

bool StrokeEngine::Press(QPoint p, PointerModifiers mods)
{
    CDaubrixDoc& doc = m_s.doc;
    DrawingCanvas& canvas = m_s.canvas;
    const bool outside = p.x() < -kPressMargin || p.x() > doc.Records().DrawingWidth() + kPressMargin
        || p.y() < -kPressMargin || p.y() > doc.Records().DrawingHeight() + kPressMargin;
    if (!mods.shift && outside) {
        m_noSection = true;
        return false;
    }
    if (m_s.pendingClear)
        m_history.FinishPendingClear();
    canvas.CopyToUndoImage();
    m_history.TruncateHistory();
    RecordPressColors();

    bool capture = false;
    const DrawingModes& modes = m_s.tools.modes;
    if (modes.lines) {
        LinesClick(p, mods.ctrl);
    } else if (modes.patternMode) {
        StampPattern(p);
    } else {
        PlaceGlobs(p.x(), p.y(), false, -1);
        m_stroke = true;
        canvas.StrokeStarted();
        capture = true;
    }
    canvas.SetHistoryPosition(doc.Records().GlobCount());
    doc.SetUndoState(UndoDrawing);
    m_s.Invalidate();
    return capture;
}

// Pattern mode: the press lays the whole pattern and starts no stroke.
void StrokeEngine::StampPattern(QPoint p)
{
    const TransferStores* transfers = m_s.tools.transfers;
    if (!transfers)
        return;
    PatternStamp stamp(m_s, [this](QPoint at, int changeIndex) { return PlaceGlobs(at.x(), at.y(), false, changeIndex); });
    stamp.StampAt(p, transfers->pattern, transfers->patternColors);
}

void StrokeEngine::RecordPressColors()
{
    CDaubrixDoc& doc = m_s.doc;
    ShapeTable& shapes = m_s.tools.shapes;
    const HsvColor current = shapes.Current().Color();
    if (doc.Records().GlobCount() > 0 && doc.Records().GetGlob(doc.Records().GlobCount() - 1).shape != shapes.CurrentIndex())
        doc.Records().SetColorChange(-1, current);
    const int position = m_s.canvas.HistoryPosition();
    if (position != 0 && ColorAt(doc, doc.Records().ColorChangeInEffect(position)) != current)
        doc.Records().SetColorChange(-1, current);
}

void StrokeEngine::Move(QPoint p, PointerModifiers mods)
{
    const DrawingModes& modes = m_s.tools.modes;
    if (!modes.lines) {
        if (!m_stroke)
            return;
        PlaceGlobs(p.x(), p.y(), true, -1);
        m_s.canvas.SetHistoryPosition(m_s.doc.Records().GlobCount());
        return;
    }
    if (!mods.ctrl && HasAnchor() && !m_bandStale)
        m_bandEnd = p;
}

bool StrokeEngine::Release()
{
    m_stroke = false;
    if (m_s.tools.palettes && m_s.tools.autoChange.AnyOn()) {
        m_s.tools.palettes->RepaintShapesWindow();
        m_s.tools.palettes->StrokeEnded();
    }
    // Colour keys pressed during the stroke repaint the palettes now.
    if (m_s.tools.colorKeys && m_s.tools.colorKeys->Any())
        RepaintAfterColorKeys(m_s.tools.palettes, *m_s.tools.colorKeys);
    // The click of a one-shot mode (the new centre, a sample) ends that mode here.
    const bool endedOneShot = m_s.tools.oneShot && m_s.tools.oneShot->EndFirst();
    if (m_noSection)
        m_noSection = false;
    else
        m_history.AddSectionBoundary(m_s.doc.Records().GlobCount());
    return endedOneShot;
}

bool StrokeEngine::Skipped(bool moving)
{
    const DrawingModes& modes = m_s.tools.modes;
    if (!modes.skipping || !moving)
        return false;
    if (++m_skipCounter > modes.skipValue) {
        m_skipCounter = 0;
        return false;
    }
    return true;
}

int StrokeEngine::PlaceGlobs(int x, int y, bool moving, int changeIndex)
{
    DrawingCanvas& canvas = m_s.canvas;
    const bool skipped = Skipped(moving);
    canvas.SetPlacementSkipped(skipped);
    if (skipped)
        return 0;
    const DrawingModes& modes = m_s.tools.modes;
    RandomGenerator& random = m_s.tools.random;
    const int spread = 3 * modes.jitterAmount;
    const int repeats = modes.jitter ? (modes.jitterAmount - 1) / 2 + 1 : 1;
    int added = 0;
    for (int k = 0; k < repeats; ++k) {
        if (modes.jitter) {
            // Four draws in order: the scatter walks on from the last glob, it does not restart.
            const int r1 = random.Next(), r2 = random.Next();
            x += r1 % spread - r2 % spread;
            const int r3 = random.Next(), r4 = random.Next();
            y += r3 % spread - r4 % spread;
        }
        m_points.clear();
        AppendSymmetricSet(modes.symmetry, m_s.centre, QPoint(x, y), m_points);
        for (QPoint p : m_points) {
            if (m_s.doc.Records().AddGlob(p.x(), p.y())) {
                ++added;
                canvas.AddPending();
            }
        }
    }
    if (changeIndex != -2 && added > 0 && m_s.tools.autoChange.AnyOn())
        DriftColor(changeIndex);
    return added;
}

void StrokeEngine::DriftColor(int changeIndex)
{
    CShape& shape = m_s.tools.shapes.Current();
    int hue = shape.Color().hue, saturation = shape.Color().saturation, value = shape.Color().value;
    if (!StepAutoChange(m_s.tools.autoChange, m_ticks, hue, saturation, value, m_s.tools.random))
        return;
    m_s.doc.Records().SetColorChange(changeIndex, hue, saturation, value);
    shape.SetColor(HsvColor{std::int16_t(hue), std::uint8_t(saturation), std::uint8_t(value)});
    if (m_s.tools.palettes)
        m_s.tools.palettes->SetColorsWindowColor(shape.Color());
}

void StrokeEngine::LinesClick(QPoint p, bool ctrl)
{
    m_bandStart = p;
    m_bandEnd = p;
    m_bandStale = true;
    if (!HasAnchor() || ctrl) {
        m_anchor = p;
        m_noSection = true;
        return;
    }
    LayRow(m_anchor, p);
    m_anchor = p;
}

void StrokeEngine::LayRow(QPoint a, QPoint p)
{
    const int dx = p.x() - a.x();
    const int dy = p.y() - a.y();
    const float density = float(m_s.tools.modes.lineDensity);
    const float spacing = 24.0f / density;
    // The minor step is |q| x 24 / density, multiplied before dividing: the other order
    // rounds differently and puts an occasional glob a pixel off.
    const auto minorStep = [density](int minor, int major) {
        const float q = major == 0 ? 0.0f : std::fabs(float(minor) / float(major));
        return q * 24.0f / density * (minor < 0 ? -1.0f : 1.0f);
    };
    const bool xMajor = std::abs(dy) < std::abs(dx);
    float stepX, stepY;
    if (xMajor) {
        stepX = dx < 0 ? -spacing : spacing;
        stepY = minorStep(dy, dx);
    } else {
        stepY = dy < 0 ? -spacing : spacing;
        stepX = minorStep(dx, dy);
    }
    float fx = float(a.x()), fy = float(a.y());
    QPoint at = a;
    const auto short_of = [&](int pos, int goal, float step) { return (step > 0 && goal > pos) || (step < 0 && goal < pos); };
    while (xMajor ? short_of(at.x(), p.x(), stepX) : short_of(at.y(), p.y(), stepY)) {
        m_s.canvas.SetHistoryPosition(m_s.doc.Records().GlobCount());
        PlaceGlobs(at.x(), at.y(), false, -1);
        fx += stepX;
        fy += stepY;
        at = QPoint(int(fx), int(fy));
    }
}

bool StrokeEngine::RubberBandVisible() const
{
    return m_s.tools.modes.lines && HasAnchor();
}

std::vector<QLine> StrokeEngine::RubberBandLines() const
{
    if (!RubberBandVisible())
        return {};
    return SymmetricLines(m_s.tools.modes.symmetry, m_s.centre, m_bandStart, m_bandEnd);
}
