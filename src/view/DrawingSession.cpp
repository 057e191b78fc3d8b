#include "view/DrawingSession.h"

#include "model/CDaubrixDoc.h"
#include "view/Symmetry.h"

DrawingSession::DrawingSession(CDaubrixDoc& doc_, const DrawingTools& tools_)
    : doc(doc_), tools(tools_), canvas(doc_, tools_.shapes), history(*this), strokes(*this)
{
    doc.SetHistoryPositionSource([this] { return canvas.historyPosition; });
}

DrawingSession::~DrawingSession()
{
    doc.SetHistoryPositionSource({});
}

void DrawingSession::InitialUpdate()
{
    ResetCenter();
    canvas.InitialUpdate();
}

void DrawingSession::ResetCenter()
{
    centre = ResetCentre(doc.DrawingWidth(), doc.DrawingHeight());
}
