#include "view/DrawingSession.h"

#include "model/CDaubrixDoc.h"
#include "view/DrawingModes.h"
#include "view/Symmetry.h"
#include "view/UndoState.h"

DrawingSession::DrawingSession(CDaubrixDoc& doc_, const DrawingTools& tools_)
    : doc(doc_), tools(tools_), canvas(doc_, tools_.shapes), history(*this), strokes(*this)
{
    doc.Records().SetHistoryPositionSource([this] { return canvas.HistoryPosition(); });
}

DrawingSession::~DrawingSession()
{
    doc.Records().SetHistoryPositionSource({});
}

void DrawingSession::InitialUpdate()
{
    ResetCenter();
    canvas.InitialUpdate();
}

void DrawingSession::ResetCenter()
{
    centre = ResetCentre(doc.Records().DrawingWidth(), doc.Records().DrawingHeight());
}

void DrawingSession::ApplyCurrentColor(const HsvColor& color)
{
    doc.Records().SetColorChange(-1, color);
    // While a Clear can be undone the undo image is the picture Undo brings back: the new
    // colour starts after the clear and must not reach it.
    if (canvas.HistoryPosition() < canvas.UndoBase() && doc.UndoState() != UndoClear)
        canvas.RebuildUndoImage(status);
}
