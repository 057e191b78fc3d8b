#pragma once

#include <QObject>

#include "app/ui/FrameContext.h"
#include "model/UserMessage.h"

class QMdiArea;
class CChildFrame;

// The drawing windows of the workspace and the file commands that make and end them:
// New, Open, Save, Save As, Close, with the user's answers and the error messages.
class DrawingWindows final : public QObject
{
    Q_OBJECT

public:
    DrawingWindows(FrameContext& context, QMdiArea& workspace, QWidget& frame);

    DocumentManager::Drawing* NewDrawing(); // asks for the size
    DocumentManager::Drawing* AddDrawing(QSize size);
    DocumentManager::Drawing* OpenDrawing(const QString& path);
    // A recovery copy, in a window titled with the original's name and shown as modified.
    DocumentManager::Drawing* OpenRecovered(const QString& copyPath, const QString& originalPath,
                                            const QString& title);
    bool SaveDrawing(DocumentManager::Drawing& drawing);
    bool SaveDrawingAs(DocumentManager::Drawing& drawing);
    // Closes every window, asking about changes; false when the user kept one open.
    bool CloseAll();

    void SetModified(DocumentManager::Drawing& drawing, bool modified);
    void ShowTitles(DocumentManager::Drawing& drawing);

    DocumentManager::Drawing* ActiveDrawing() const;
    CChildFrame* ActiveChild() const;
    CChildFrame* ChildOf(const DocumentManager::Drawing& drawing) const;
    DocumentManager::Drawing* DrawingOf(const CChildFrame* child) const;

signals:
    void WindowsChanged();

private:
    CChildFrame& AddWindow(DocumentManager::Drawing& drawing);
    bool MayClose(DocumentManager::Drawing& drawing);
    void ShowError(const UserMessage& message);

    FrameContext& m_context;
    QMdiArea& m_workspace;
    QWidget& m_frame;
};
