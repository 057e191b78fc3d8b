#include "app/ui/ImportCommands.h"

#include <QAction>

#include "app/CommandTable.h"
#include "app/ui/ChosenPicture.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/EscapeCheck.h"
#include "app/ui/ShellMessageBox.h"
#include "app/ui/WorkspaceViews.h"
#include "imaging/ImageSampling.h"
#include "imaging/ImportPlacement.h"
#include "imaging/ui/CImportImageDlg.h"
#include "imaging/ui/CPictureFileDlg.h"
#include "model/CDaubrixDoc.h"
#include "model/OutOfMemoryGuard.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingModes.h"
#include "view/PaletteLink.h"
#include "view/StatusSink.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

namespace
{
const QString kConverting = QStringLiteral("Converting image to globs.    Press ESC to cancel...");
const QString kDrawing = QStringLiteral("Drawing after importing image,   Press ESC to cancel...");
const QString kQuestion = QStringLiteral("Cancel Image Import?");
const QString kStillPresent =
    QStringLiteral("The imported globs are still present in the drawing,\n"
                   "but will be deleted when a new glob is added.  To\n"
                   "make the globs appear, move the drawing history\n"
                   "slider to the right.\n");

// The status bar's message pane shows the import's text and gets its own back at the end;
// the progress pane is emptied and the wait cursor goes.
class StatusDuringImport
{
public:
    explicit StatusDuringImport(StatusSink& status) : m_status(status), m_saved(status.StatusText())
    {
        m_status.SetWaitCursor(true);
        m_status.SetStatusText(kConverting);
    }
    ~StatusDuringImport()
    {
        m_status.SetProgressText(QStringLiteral(" "));
        m_status.SetStatusText(m_saved);
        m_status.SetWaitCursor(false);
    }
    StatusDuringImport(const StatusDuringImport&) = delete;
    StatusDuringImport& operator=(const StatusDuringImport&) = delete;

private:
    StatusSink& m_status;
    QString m_saved;
};
} // namespace

ImportCommands::ImportCommands(CommandRegistry& registry, const WorkspaceViews& views,
                               QWidget& dialogParent, StatusSink& status)
    : m_views(views), m_dialogParent(dialogParent), m_status(status),
      m_choosePicture(CPictureFileDlg::GetPictureFileName), m_askSettings(CImportImageDlg::Ask)
{
    registry.Add(
        ImportImage,
        [this] {
            if (CDaubrixView* v = m_views.Active())
                ImportInto(*v);
        },
        [this](QAction& a) { a.setEnabled(m_views.Active() != nullptr); });
}

void ImportCommands::SetPictureChooser(PictureChooser chooser)
{
    m_choosePicture = chooser ? std::move(chooser) : PictureChooser(CPictureFileDlg::GetPictureFileName);
}

void ImportCommands::SetSettingsAsker(SettingsAsker asker)
{
    m_askSettings = asker ? std::move(asker) : SettingsAsker(CImportImageDlg::Ask);
}

void ImportCommands::ImportInto(CDaubrixView& view)
{
    if (view.Session().Tools().shapes.Count() == 0)
        return;
    const QString path = m_choosePicture(&m_dialogParent);
    if (path.isEmpty())
        return;
    ImportSettings chosen = m_settings;
    if (!m_askSettings(&m_dialogParent, chosen))
        return;
    m_settings = chosen;
    // The picture is read before anything changes, so an unreadable one leaves the drawing
    // (and its redo tail) as it was.
    QImage picture;
    if (!ReadChosenPicture(&m_dialogParent, path, picture))
        return;
    if (m_beforeLongWork)
        m_beforeLongWork();
    StatusDuringImport shown(m_status);
    DrawingSession& session = view.Session();
    bool stoppedPartWay = false;
    m_samplesLeftOut = false;
    {
        EscapeCheck escape(&m_dialogParent, kQuestion, &m_status);
        session.BeginAddingGlobs();
        bool stopped = false;
        const bool added = AddGlobs(view, picture, escape, stopped);
        session.EndAddingGlobs();
        stoppedPartWay = added && (stopped || !DrawNewGlobs(view, escape));
    }
    // Told once the import is over, when the program takes keys and clicks again.
    if (m_samplesLeftOut)
        ShellMessageBox::Show(&m_dialogParent, UserMessage(kOutOfMemoryText, MessageIcon::Critical));
    if (stoppedPartWay) {
        session.HideAddedGlobs();
        view.Refresh();
        ShellMessageBox::Show(&m_dialogParent, UserMessage(kStillPresent));
    }
    view.Refresh();
    emit view.DrawingChanged();
}

bool ImportCommands::AddGlobs(CDaubrixView& view, const QImage& picture, EscapeCheck& escape,
                              bool& stopped)
{
    DrawingSession& session = view.Session();
    const DrawingTools& tools = session.Tools();
    ImportProgress progress;
    progress.show = [this](int percent) { m_status.SetProgressText(QString::asprintf("%2d%%", percent)); };
    progress.cancelRequested = [&escape] { return escape.Cancelled(); };
    progress.outOfMemory = [this] { m_samplesLeftOut = true; };
    ImportTools place{session.Doc().Records(), tools.shapes.Current(), tools.autoChange,
                      session.Strokes().DriftTicks(), tools.random,
                      tools.modes.jitter ? tools.modes.jitterAmount : 0, [&tools](const HsvColor& c) {
                          if (tools.palettes)
                              tools.palettes->SetColorsWindowColor(c);
                      }};
    const std::optional<ImportPlacement> placed =
        ImportPicture(picture, m_settings, place, progress);
    if (!placed)
        return false;
    stopped = placed->cancelled;
    if (m_settings.colors == ImportColors::UseNew && tools.autoChange.AnyOn() && tools.palettes) {
        tools.palettes->RepaintShapesWindow();
        tools.palettes->StrokeEnded();
    }
    return true;
}

bool ImportCommands::DrawNewGlobs(CDaubrixView& view, EscapeCheck& escape)
{
    DrawingSession& session = view.Session();
    m_status.SetStatusText(kDrawing);
    const int end = session.Doc().Records().GlobCount();
    for (int position = session.Canvas().HistoryPosition(); position < end;) {
        const int left = end - position;
        if (left % 100 == 0 && escape.Cancelled())
            return false;
        position += left % 100 == 0 ? 100 : left % 100;
        session.ShowGlobsUpTo(position);
        view.Refresh();
    }
    return true;
}
