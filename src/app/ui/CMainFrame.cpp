#include "app/ui/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/CommandIcons.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CommandActions.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/FileCommands.h"
#include "app/ui/FrameMenus.h"
#include "app/ui/HelpCommands.h"
#include "app/ui/LockIndicators.h"
#include "app/ui/PaletteToggleCommands.h"
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
    CreateBars();
    CreateStatusBar();
    m_stages = std::make_unique<ScreenStages>(
        *this, std::array<QWidget*, 3>{m_toolbar1, m_toolbar2, statusBar()}, *m_palettes);
    m_menus = new FrameMenus(*this, *m_commands, m_context.documents.Recent(),
                             [this](const QString& path) { m_drawings->OpenDrawing(path); });
    CreateCommandHomes();
    InstallMenus();
    RestoreBarState();
    m_context.documents.SetListener([this](DocumentManager::Drawing& drawing) {
        m_drawings->ShowTitles(drawing);
        ShowFrameTitle();
    });
    connect(m_drawings, &DrawingWindows::WindowsChanged, this, &CMainFrame::OnWindowActivated);
    connect(m_workspace, &QMdiArea::subWindowActivated, this, &CMainFrame::OnWindowActivated);
    m_idleUpdate = new QTimer(this);
    connect(m_idleUpdate, &QTimer::timeout, m_commands, &CommandActions::UpdateAll);
    connect(m_idleUpdate, &QTimer::timeout, m_locks, &LockIndicators::Refresh);
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
    m_viewCommands = std::make_unique<ViewCommands>(registry, *this, *m_toolbar1, *m_toolbar2, *m_stages);
    m_paletteToggles = std::make_unique<PaletteToggleCommands>(registry, *m_palettes);
    m_windowCommands = std::make_unique<WindowCommands>(registry, *m_drawings, *m_workspace, m_context, *this);
    m_helpCommands = std::make_unique<HelpCommands>(registry, m_context, *this);
}

void CMainFrame::CreateBars()
{
    m_toolbar1 = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar2 = addToolBar(QStringLiteral("Toolbar 2"));
    m_toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    for (QToolBar* bar : {m_toolbar1, m_toolbar2})
        bar->setIconSize(QSize(16, 16));
    m_commands->FillToolbar(*m_toolbar1, CommandTable::Toolbar1());
    m_commands->FillToolbar(*m_toolbar2, CommandTable::Toolbar2());
    m_toolbar2->setVisible(!m_toolbar2->actions().isEmpty());
}

void CMainFrame::CreateStatusBar()
{
    m_pane0 = new QLabel(QStringLiteral("Ready"));
    m_pane1 = new QLabel(QStringLiteral(" "));
    m_pane1->setMinimumWidth(30);
    m_pane1->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(m_pane0, 1);
    statusBar()->addPermanentWidget(m_pane1);
    m_locks = new LockIndicators(*statusBar());
}

QMenu* CMainFrame::HelpMenu() const
{
    return m_menus->HelpMenu();
}

void CMainFrame::InstallMenus()
{
    m_menus->Install(!m_workspace->subWindowList().isEmpty());
}

void CMainFrame::RestoreBarState()
{
    QSettings store(QStringLiteral("Zentrik"), QStringLiteral("Daubrix"));
    restoreState(store.value(QStringLiteral("Toolbars/State")).toByteArray());
    // The toolbars' state does not cover the status bar: it has a value of its own.
    statusBar()->setVisible(store.value(QStringLiteral("Toolbars/StatusBar"), true).toBool());
    if (m_toolbar2->actions().isEmpty())
        m_toolbar2->hide();
}

void CMainFrame::SaveBarState()
{
    QSettings store(QStringLiteral("Zentrik"), QStringLiteral("Daubrix"));
    store.setValue(QStringLiteral("Toolbars/State"), saveState());
    store.setValue(QStringLiteral("Toolbars/StatusBar"), statusBar()->isVisibleTo(this));
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
    m_pane1->setText(QString::asprintf("%2d%%", percent));
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
    m_pane1->setText(QStringLiteral(" "));
}

void CMainFrame::SetPaneText(int pane, const QString& text)
{
    if (pane == 0)
        m_pane0->setText(text);
    else if (pane == 1)
        m_pane1->setText(text);
}

QString CMainFrame::PaneText(int pane) const
{
    return pane == 0 ? m_pane0->text() : pane == 1 ? m_pane1->text() : QString();
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
    SaveBarState();
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
