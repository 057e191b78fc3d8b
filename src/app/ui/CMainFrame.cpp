#include "app/ui/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QTimer>

#include "app/CommandIcons.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CommandActions.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/FileCommands.h"
#include "app/ui/FrameBars.h"
#include "app/ui/FrameMenus.h"
#include "app/ui/HelpCommands.h"
#include "app/ui/MovieCommands.h"
#include "app/ui/PaletteToggleCommands.h"
#include "app/ui/PrintCommands.h"
#include "app/ui/ScreenStages.h"
#include "app/ui/ViewCommands.h"
#include "app/ui/WindowCommands.h"

namespace
{
QStringList LocalFiles(const QMimeData* data)
{
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}
} // namespace

CMainFrame::CMainFrame(FrameContext context, QWidget* parent)
    : QMainWindow(parent), m_context(std::move(context))
{
    m_context.UseDefaultHooks();
    setWindowTitle(QStringLiteral("Daubrix"));
    setWindowIcon(QIcon(QPixmap::fromImage(CommandIcons::PaintProgramIcon(64))));
    setAcceptDrops(true);
    m_commands = new CommandActions(this);
    m_palettes = new PaletteList(m_context.settings, this);
    m_workspace = new QMdiArea;
    m_workspace->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_workspace);
    m_drawings = new DrawingWindows(m_context, *m_workspace, *this);
    m_bars = new FrameBars(*this, *m_commands);
    m_stages = std::make_unique<ScreenStages>(*this, m_bars->All(), *m_palettes);
    m_menus = new FrameMenus(*this, *m_commands, m_context.documents.Recent(),
                             [this](const QString& path) { m_drawings->OpenDrawing(path); });
    CreateCommandHomes();
    InstallMenus();
    m_bars->RestoreState();
    m_context.documents.SetListener([this](DocumentManager::Drawing& drawing) {
        m_drawings->ShowTitles(drawing);
        ShowFrameTitle();
    });
    connect(m_drawings, &DrawingWindows::WindowsChanged, this, &CMainFrame::OnWindowActivated);
    connect(m_workspace, &QMdiArea::subWindowActivated, this, &CMainFrame::OnWindowActivated);
    m_idleUpdate = new QTimer(this);
    connect(m_idleUpdate, &QTimer::timeout, m_commands, &CommandActions::UpdateAll);
    connect(m_idleUpdate, &QTimer::timeout, m_bars, &FrameBars::RefreshLocks);
    m_idleUpdate->start(250);
}

CMainFrame::~CMainFrame()
{
    m_context.documents.SetListener({});
    m_drawings->disconnect(this);
    m_workspace->disconnect(this);
}

void CMainFrame::CreateCommandHomes()
{
    CommandRegistry& registry = m_commands->Registry();
    m_fileCommands = std::make_unique<FileCommands>(registry, *m_drawings, m_context, *this);
    m_printCommands = std::make_unique<PrintCommands>(registry, *m_drawings, m_context,
                                                      m_fileCommands->Printer(), *this);
    m_movieCommands = std::make_unique<MovieCommands>(registry, *m_drawings, *this, *this);
    m_viewCommands = std::make_unique<ViewCommands>(registry, *this, *m_bars->Toolbar1(),
                                                    *m_bars->Toolbar2(), *m_stages);
    m_paletteToggles = std::make_unique<PaletteToggleCommands>(registry, *m_palettes);
    m_windowCommands =
        std::make_unique<WindowCommands>(registry, *m_drawings, *m_workspace, m_context, *this);
    m_helpCommands = std::make_unique<HelpCommands>(registry, m_context, *this);
}

QMenu* CMainFrame::HelpMenu() const
{
    return m_menus->HelpMenu();
}

void CMainFrame::InstallMenus()
{
    m_menus->Install(!m_workspace->subWindowList().isEmpty());
}

QToolBar* CMainFrame::Toolbar1() const
{
    return m_bars->Toolbar1();
}

QToolBar* CMainFrame::Toolbar2() const
{
    return m_bars->Toolbar2();
}

void CMainFrame::RegisterPalette(const PaletteRegistration& palette)
{
    m_palettes->Register(palette);
    m_commands->Update(palette.commandId); // its toggle comes on
}

// ---- screen stages ----

void CMainFrame::CycleScreenMode()
{
    m_stages->Cycle();
}

void CMainFrame::ToggleFullScreen()
{
    m_stages->ToggleFullScreen();
}

int CMainFrame::ScreenStage() const
{
    return m_stages->Stage();
}

// ---- status bar ----

void CMainFrame::ShowProgress(int percent)
{
    m_bars->ShowProgress(percent);
}

void CMainFrame::SetWaitCursor(bool waiting)
{
    if (waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CMainFrame::ClearProgress()
{
    m_bars->ClearProgress();
}

void CMainFrame::SetPaneText(int pane, const QString& text)
{
    m_bars->SetPaneText(pane, text);
}

QString CMainFrame::PaneText(int pane) const
{
    return m_bars->PaneText(pane);
}

// ---- placement and closing ----

void CMainFrame::ApplyPlacement()
{
    const AppSettings& s = m_context.settings;
    resize(s.appWindowX2 - s.appWindowX1, s.appWindowY2 - s.appWindowY1);
    move(s.appWindowX1, s.appWindowY1);
}

void CMainFrame::ShowWithShowCommand()
{
    switch (m_context.settings.appWindowShowCmd) {
    case 2: showMinimized(); break;
    case 3: showMaximized(); break;
    default: show(); break;
    }
}

void CMainFrame::RecordPlacement()
{
    AppSettings& s = m_context.settings;
    s.appWindowShowCmd = isMinimized() ? 2 : isMaximized() ? 3 : 1;
    const QRect normal = s.appWindowShowCmd == 1 ? QRect(pos(), size()) : normalGeometry();
    s.appWindowX1 = normal.x();
    s.appWindowY1 = normal.y();
    s.appWindowX2 = normal.x() + normal.width();
    s.appWindowY2 = normal.y() + normal.height();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    m_stages->ReturnToNormal();
    RecordPlacement();
    m_bars->SaveState();
    if (!m_drawings->CloseAll()) {
        event->ignore();
        return;
    }
    m_palettes->RecordPlacements();
    event->accept();
    emit Closed();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QString& path : LocalFiles(event->mimeData()))
        m_drawings->OpenDrawing(path);
    event->acceptProposedAction();
}

// ---- commands ----

void CMainFrame::OnWindowActivated()
{
    InstallMenus();
    ShowFrameTitle();
    m_commands->UpdateAll();
}

void CMainFrame::ShowFrameTitle()
{
    const DocumentManager::Drawing* drawing = m_drawings->ActiveDrawing();
    setWindowTitle(drawing ? QStringLiteral("Daubrix - ") + drawing->title
                           : QStringLiteral("Daubrix"));
}
