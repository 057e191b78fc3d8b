#include "app/ui/DrawingWindows.h"

#include <QFileInfo>
#include <QMdiArea>

#include "app/FileErrorMessages.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CNewDrawingDlg.h"
#include "app/ui/ShellMessageBox.h"

namespace
{
const char* const kDrawingProperty = "drawing";
} // namespace

DrawingWindows::DrawingWindows(FrameContext& context, QMdiArea& workspace, QWidget& frame)
    : QObject(&frame), m_context(context), m_workspace(workspace), m_frame(frame)
{
}

DocumentManager::Drawing* DrawingWindows::NewDrawing()
{
    NewDrawingChoice& last = m_context.lastNewDrawing;
    CNewDrawingDlg dialog(QSize(last.width, last.height), last.lockAspect, &m_frame);
    if (m_context.runModal(dialog) != QDialog::Accepted)
        return nullptr;
    const QSize size = dialog.DrawingSize();
    last = {size.width(), size.height(), dialog.LockAspect()};
    return AddDrawing(size);
}

DocumentManager::Drawing* DrawingWindows::AddDrawing(QSize size)
{
    DocumentManager::Drawing& drawing = m_context.documents.New(size);
    AddWindow(drawing);
    return &drawing;
}

DocumentManager::Drawing* DrawingWindows::OpenDrawing(const QString& path)
{
    const DocumentManager::OpenResult result = m_context.documents.Open(path);
    if (!result.ok()) {
        m_context.documents.Recent().Remove(QFileInfo(path).absoluteFilePath());
        ShowError(FileErrorMessage(result.error));
        return nullptr;
    }
    if (CChildFrame* open = ChildOf(*result.drawing))
        m_workspace.setActiveSubWindow(open);
    else
        AddWindow(*result.drawing);
    return result.drawing;
}

DocumentManager::Drawing* DrawingWindows::OpenRecovered(const QString& copyPath,
                                                        const QString& originalPath,
                                                        const QString& title)
{
    const DocumentManager::OpenResult result =
        m_context.documents.OpenCopy(copyPath, originalPath, title);
    if (!result.ok()) {
        ShowError(FileErrorMessage(result.error));
        return nullptr;
    }
    AddWindow(*result.drawing);
    return result.drawing;
}

bool DrawingWindows::SaveDrawing(DocumentManager::Drawing& drawing)
{
    if (drawing.path.isEmpty())
        return SaveDrawingAs(drawing);
    const DocumentManager::SaveResult result = m_context.documents.Save(drawing, drawing.path);
    if (!result.ok())
        ShowError(FileErrorMessage(result.error));
    return result.ok();
}

bool DrawingWindows::SaveDrawingAs(DocumentManager::Drawing& drawing)
{
    const QString suggestion = drawing.path.isEmpty() ? drawing.title : drawing.path;
    const QString path = m_context.chooseSavePath(&m_frame, suggestion);
    if (path.isEmpty())
        return false;
    const DocumentManager::SaveResult result = m_context.documents.Save(drawing, path);
    if (!result.ok())
        ShowError(FileErrorMessage(result.error));
    return result.ok();
}

bool DrawingWindows::CloseAll()
{
    for (QMdiSubWindow* window : m_workspace.subWindowList()) {
        if (!window->close())
            return false;
    }
    return true;
}

void DrawingWindows::SetModified(DocumentManager::Drawing& drawing, bool modified)
{
    m_context.documents.SetModified(drawing, modified);
}

void DrawingWindows::ShowTitles(DocumentManager::Drawing& drawing)
{
    if (CChildFrame* child = ChildOf(drawing)) {
        child->setWindowTitle(drawing.title + QStringLiteral("[*]"));
        child->setWindowModified(drawing.modified);
    }
}

DocumentManager::Drawing* DrawingWindows::DrawingOf(const CChildFrame* child) const
{
    if (!child)
        return nullptr;
    return static_cast<DocumentManager::Drawing*>(
        child->property(kDrawingProperty).value<void*>());
}

DocumentManager::Drawing* DrawingWindows::ActiveDrawing() const
{
    return DrawingOf(ActiveChild());
}

CChildFrame* DrawingWindows::ActiveChild() const
{
    return qobject_cast<CChildFrame*>(m_workspace.activeSubWindow());
}

CChildFrame* DrawingWindows::ChildOf(const DocumentManager::Drawing& drawing) const
{
    for (QMdiSubWindow* window : m_workspace.subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(window);
        if (DrawingOf(child) == &drawing)
            return child;
    }
    return nullptr;
}

CChildFrame& DrawingWindows::AddWindow(DocumentManager::Drawing& drawing)
{
    const FrameContext::ViewParts view = m_context.makeView(drawing);
    auto* child = new CChildFrame(view.widget, *view.port);
    child->setProperty(kDrawingProperty, QVariant::fromValue<void*>(&drawing));
    child->setWindowIcon(m_frame.windowIcon());
    child->SetCloseCheck([this, &drawing] { return MayClose(drawing); });
    DocumentManager* documents = &m_context.documents;
    // The view goes with the window's children, before its drawing is let go here.
    connect(child, &QObject::destroyed, this, [this, documents, &drawing] {
        documents->Close(drawing);
        emit WindowsChanged();
    });
    m_workspace.addSubWindow(child);
    ShowTitles(drawing);
    child->show();
    child->FitToDrawing();
    emit WindowsChanged();
    return *child;
}

bool DrawingWindows::MayClose(DocumentManager::Drawing& drawing)
{
    if (!drawing.modified)
        return true;
    const UserMessage question{QStringLiteral("Save changes to %1?").arg(drawing.title),
                                MessageIcon::Warning};
    switch (ShellMessageBox::Show(&m_frame, question, ShellMessageBox::Buttons::YesNoCancel)) {
    case ShellMessageBox::Answer::Yes: return SaveDrawing(drawing);
    case ShellMessageBox::Answer::No: return true;
    default: return false;
    }
}

void DrawingWindows::ShowError(const UserMessage& message)
{
    ShellMessageBox::Show(&m_frame, message);
}
