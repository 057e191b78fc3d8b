#include "view/DrawingSession.h"

#include "color/ColorConversion.h"
#include "model/CDaubrixDoc.h"
#include "model/DepthSimulation.h"
#include "shapes/ShapeTable.h"
#include "view/StatusSink.h"
#include "view/DrawingModes.h"
#include "view/Symmetry.h"
#include "view/UndoState.h"

DrawingSession::DrawingSession(CDaubrixDoc& doc, const DrawingTools& tools)
    : m_state(doc, tools), m_history(m_state), m_strokes(m_state, m_history),
      m_transfers(m_state, m_history, m_strokes)
{
    doc.Records().SetHistoryPositionSource([this] { return m_state.canvas.HistoryPosition(); });
}

DrawingSession::~DrawingSession()
{
    m_state.doc.Records().SetHistoryPositionSource({});
}

void DrawingSession::InitialUpdate()
{
    ResetCenter();
    m_state.canvas.InitialUpdate();
}

void DrawingSession::ResetCenter()
{
    m_state.centre = ResetCentre(m_state.doc.Records().DrawingWidth(), m_state.doc.Records().DrawingHeight());
}

void DrawingSession::MoveCentre(QPoint p)
{
    m_state.previousCentre = m_state.centre;
    m_state.centre = p;
    m_state.doc.SetUndoState(UndoMoveCenter);
    m_strokes.SetNoSection();
}

void DrawingSession::BeginAddingGlobs()
{
    if (m_state.pendingClear)
        m_history.FinishPendingClear();
    m_state.canvas.CopyToUndoImage();
    m_state.doc.SetUndoState(UndoDrawing);
    m_history.TruncateHistory();
}

int DrawingSession::EndAddingGlobs()
{
    const int count = m_state.doc.Records().GlobCount();
    m_history.AddSectionBoundary(count);
    return count;
}

void DrawingSession::HideAddedGlobs()
{
    m_state.doc.SetUndoState(UndoDrawing);
    m_state.canvas.SetHistoryPosition(m_state.doc.Records().GlobCount());
    m_history.Undo();
}

void DrawingSession::SetBackgroundColor(const HsvColor& color)
{
    m_state.doc.SetBackgroundColor(HsvColorToRgb(color));
    DrawingCanvas& canvas = m_state.canvas;
    canvas.RebuildUndoImage(m_state.status);
    canvas.RedrawAtHistoryPosition();
    m_state.Invalidate();
}

bool DrawingSession::SimulateDepth(const DepthSettings& settings)
{
    CDaubrixDoc& doc = m_state.doc;
    GlobStore& records = doc.Records();
    const int position = m_state.canvas.HistoryPosition();
    const int start = settings.entireDrawing ? 0 : records.SectionStart(position);
    if (position <= start)
        return false;
    StatusSink quiet;
    StatusSink& status = m_state.status ? *m_state.status : quiet;
    status.SetWaitCursor(true);
    const bool saved = records.SnapshotColorChanges();
    if (saved) {
        doc.SetUndoState(UndoDepth);
        ApplyDepth(records, settings, start, position, m_state.tools.shapes.Current().Color());
    }
    status.SetWaitCursor(false);
    if (!saved)
        return false;
    m_state.depthEntireDrawing = settings.entireDrawing;
    m_state.depthAboveBase = start >= m_state.canvas.UndoBase();
    m_history.RedrawAfterDepth();
    return true;
}

void DrawingSession::ApplyCurrentColor(const HsvColor& color)
{
    m_state.doc.Records().SetColorChange(-1, color);
    // While a Clear can be undone the undo image is the picture Undo brings back: the new
    // colour starts after the clear and must not reach it.
    DrawingCanvas& canvas = m_state.canvas;
    if (canvas.HistoryPosition() < canvas.UndoBase() && m_state.doc.UndoState() != UndoClear)
        canvas.RebuildUndoImage(m_state.status);
}
