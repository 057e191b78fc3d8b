#include "app/ui/MovieCommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "app/CommandTable.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CommandRegistry.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/EscapeCheck.h"
#include "app/ui/ShellMessageBox.h"
#include "imaging/MovieOutput.h"
#include "model/CDaubrixDoc.h"
#include "view/MovieRecorder.h"
#include "view/StatusSink.h"
#include "view/ui/CDaubrixView.h"
#include "view/ui/CMovieDlg.h"

using enum CommandId;

namespace
{
const QString kMaking = QStringLiteral("Creating movie.    Press ESC to cancel...");
const QString kQuestion = QStringLiteral("Cancel the movie?");
const char* const kNoOutput = "Choose where the movie goes.";

bool AskWithDialog(QWidget* parent, QSize drawing, MovieSettings& settings, QString& output)
{
    CMovieDlg dialog(settings, output, drawing, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.Settings();
    output = dialog.Output();
    return true;
}

CDaubrixView* ViewOf(DrawingWindows& drawings, DocumentManager::Drawing* drawing)
{
    CChildFrame* child = drawing ? drawings.ChildOf(*drawing) : nullptr;
    return child ? qobject_cast<CDaubrixView*>(child->widget()) : nullptr;
}

// The status bar tells of the movie while it is made and gets its own text back after.
class StatusDuringMovie
{
public:
    explicit StatusDuringMovie(StatusSink& status) : m_status(status), m_saved(status.StatusText())
    {
        m_status.SetWaitCursor(true);
        m_status.SetStatusText(kMaking);
    }
    ~StatusDuringMovie()
    {
        m_status.SetProgressText(QStringLiteral(" "));
        m_status.SetStatusText(m_saved);
        m_status.SetWaitCursor(false);
    }
    StatusDuringMovie(const StatusDuringMovie&) = delete;
    StatusDuringMovie& operator=(const StatusDuringMovie&) = delete;

private:
    StatusSink& m_status;
    QString m_saved;
};
} // namespace

MovieCommands::MovieCommands(CommandRegistry& registry, DrawingWindows& drawings, QWidget& dialogParent,
                             StatusSink& status)
    : m_drawings(drawings), m_dialogParent(dialogParent), m_status(status), m_ask(AskWithDialog)
{
    registry.Add(CreateMovie, [this] { OnCreateMovie(); }, [this](QAction& action) {
        action.setEnabled(ViewOf(m_drawings, m_drawings.ActiveDrawing()) != nullptr);
    });
}

void MovieCommands::SetSettingsAsker(SettingsAsker asker)
{
    m_ask = asker ? std::move(asker) : SettingsAsker(AskWithDialog);
}

QString MovieCommands::SuggestedOutput() const
{
    if (!m_output.isEmpty())
        return m_output;
    const DocumentManager::Drawing* drawing = m_drawings.ActiveDrawing();
    if (!drawing)
        return {};
    if (drawing->path.isEmpty())
        return QDir::home().filePath(drawing->title + QStringLiteral(".mp4"));
    const QFileInfo file(drawing->path);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".mp4"));
}

void MovieCommands::OnCreateMovie()
{
    CDaubrixView* view = ViewOf(m_drawings, m_drawings.ActiveDrawing());
    if (!view)
        return;
    view->Refresh();
    const DrawingCanvas& canvas = view->Session().Canvas();
    QString output = SuggestedOutput();
    if (!m_ask(&m_dialogParent, canvas.Size(), m_settings, output))
        return;
    if (output.isEmpty()) {
        ShellMessageBox::Show(&m_dialogParent, UserMessage(kNoOutput, MessageIcon::Warning));
        return;
    }
    m_output = output;
    if (m_beforeLongWork)
        m_beforeLongWork();
    const MovieSource source{view->Session().Doc(), canvas, view->Session().Tools().shapes,
                             canvas.HistoryPosition()};
    const std::unique_ptr<MovieWriter> writer = MakeMovieWriter(output);
    MovieResult made;
    {
        StatusDuringMovie shown(m_status);
        EscapeCheck escape(&m_dialogParent, kQuestion, &m_status);
        made = RecordMovie(source, m_settings, *writer, [&](int percent) {
            m_status.SetProgressText(QString::asprintf("%2d%%", percent));
            return !escape.Cancelled();
        });
    }
    if (made.outcome == MovieOutcome::Failed)
        ShellMessageBox::Show(&m_dialogParent, UserMessage(made.status.message, made.status.icon, made.status.title));
}
