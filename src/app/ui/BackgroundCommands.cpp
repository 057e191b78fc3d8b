#include "app/ui/BackgroundCommands.h"

#include <QAction>

#include "app/CommandTable.h"
#include "app/ui/ChosenPicture.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/ShellMessageBox.h"
#include "app/ui/WorkspaceViews.h"
#include "imaging/BackgroundTemp.h"
#include "imaging/ui/CLoadBackgroundDlg.h"
#include "imaging/ui/CPictureFileDlg.h"
#include "model/CDaubrixDoc.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

BackgroundCommands::BackgroundCommands(CommandRegistry& registry, const WorkspaceViews& views,
                                       QWidget& dialogParent, StatusSink& status)
    : m_views(views), m_dialogParent(dialogParent), m_status(status),
      m_choosePicture(CPictureFileDlg::GetPictureFileName)
{
    Register(registry);
}

void BackgroundCommands::Register(CommandRegistry& registry)
{
    registry.Add(
        LoadBackground,
        [this] {
            if (CDaubrixView* v = m_views.Active())
                LoadBackgroundInto(*v);
        },
        [this](QAction& a) {
            CDaubrixView* v = m_views.Active();
            a.setEnabled(v != nullptr && !(m_lowColor && m_lowColor()));
            a.setChecked(v && v->Session().Doc().HasBackgroundImage());
        });
    registry.Add(
        RemoveBackground,
        [this] {
            if (CDaubrixView* v = m_views.Active())
                RemoveBackgroundFrom(*v);
        },
        [this](QAction& a) {
            CDaubrixView* v = m_views.Active();
            a.setEnabled(v && v->Session().Doc().HasBackgroundImage());
        });
}

void BackgroundCommands::SetPictureChooser(PictureChooser chooser)
{
    m_choosePicture = chooser ? std::move(chooser) : PictureChooser(CPictureFileDlg::GetPictureFileName);
}

void BackgroundCommands::LoadBackgroundInto(CDaubrixView& view)
{
    const QString path = m_choosePicture(&m_dialogParent);
    if (path.isEmpty())
        return;
    QImage picture;
    if (!ReadChosenPicture(&m_dialogParent, path, picture))
        return;
    auto sizing = BackgroundSizing(m_backgroundSizing);
    if (!CLoadBackgroundDlg::Ask(&m_dialogParent, sizing))
        return;
    m_backgroundSizing = int(sizing);
    DrawingSession& s = view.Session();
    PlacedBackground placed;
    const ImageStatus made = MakeBackground(picture, s.Canvas().Size(), sizing, placed);
    if (!made.ok) {
        // The drawing keeps the background it had.
        ShellMessageBox::Show(&m_dialogParent, UserMessage(made.message, made.icon, made.title));
        return;
    }
    s.Canvas().SetBackground(placed.bitmap, placed.offset);
    BackgroundChanged(view, true);
}

void BackgroundCommands::RemoveBackgroundFrom(CDaubrixView& view)
{
    view.Session().Canvas().RemoveBackground();
    BackgroundChanged(view, false);
}

// The background lies under every glob, so the undo image and the picture are redrawn.
void BackgroundCommands::BackgroundChanged(CDaubrixView& view, bool hasBackground)
{
    DrawingSession& s = view.Session();
    s.Doc().SetBackgroundImage(hasBackground);
    s.Canvas().RebuildUndoImage(&m_status);
    s.Canvas().RegenerateFromUndo();
    view.Refresh();
    emit view.DrawingChanged();
}
