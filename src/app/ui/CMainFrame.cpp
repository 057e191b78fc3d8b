#include "app/ui/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include "app/CommandIcons.h"
#include "app/ui/CAboutDlg.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CDrawingInfoDlg.h"
#include "app/ui/CHelpDlg.h"
#include "app/ui/CNewDrawingDlg.h"
#include "app/ui/CTipDlg.h"
#include "app/ui/CommandActions.h"
#include "app/ui/DrawingViewPort.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/FrameMenus.h"
#include "app/ui/LockIndicators.h"
#include "app/ui/ScreenStages.h"
#include "app/ui/ShellMessageBox.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

struct CMainFrame::FrameHandler
{
    CommandId id;
    void (CMainFrame::*run)();
    void (CMainFrame::*update)(QAction&);
};

const CMainFrame::FrameHandler CMainFrame::kHandlers[] = {
    {FileNew, &CMainFrame::OnNew, nullptr},
    {FileOpen, &CMainFrame::OnOpen, nullptr},
    {FileClose, &CMainFrame::OnClose, &CMainFrame::UpdateNeedsDrawing},
    {FileSave, &CMainFrame::OnSave, &CMainFrame::UpdateNeedsDrawing},
    {FileSaveAs, &CMainFrame::OnSaveAs, &CMainFrame::UpdateNeedsDrawing},
    {PrintSetup, &CMainFrame::OnPrintSetup, nullptr},
    {Exit, &CMainFrame::OnExit, nullptr},
    {ToggleToolbar, &CMainFrame::OnToggleToolbar1, &CMainFrame::UpdateToolbar1},
    {ToggleToolbar2, &CMainFrame::OnToggleToolbar2, &CMainFrame::UpdateToolbar2},
    {ToggleStatusBar, &CMainFrame::OnToggleStatusBar, &CMainFrame::UpdateStatusBar},
    {FullScreen, &CMainFrame::ToggleFullScreen, nullptr},
    {DrawingInfo, &CMainFrame::OnDrawingInfo, &CMainFrame::UpdateNeedsDrawing},
    {WindowCascade, &CMainFrame::OnCascade, &CMainFrame::UpdateNeedsDrawing},
    {WindowTile, &CMainFrame::OnTile, &CMainFrame::UpdateNeedsDrawing},
    {TipOfTheDay, &CMainFrame::OnTipOfTheDay, nullptr},
    {HelpTopics, &CMainFrame::OnHelpTopics, nullptr},
    {ContextHelp, &CMainFrame::OnContextHelp, nullptr},
    {About, &CMainFrame::OnAbout, nullptr},
};

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
    RegisterHandlers();
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

void CMainFrame::RegisterHandlers()
{
    for (const FrameHandler& handler : kHandlers) {
        CommandActions::Update update;
        if (handler.update)
            update = [this, fn = handler.update](QAction& action) { (this->*fn)(action); };
        m_commands->SetHandler(handler.id, [this, fn = handler.run] { (this->*fn)(); }, update);
    }
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

QPrinter& CMainFrame::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

void CMainFrame::RegisterPalette(const PaletteRegistration& palette)
{
    m_palettes->Register(palette);
    const CommandId id = palette.commandId;
    m_commands->SetHandler(
        id, [this, id] { m_palettes->Toggle(id); },
        [this, id](QAction& action) { action.setChecked(m_palettes->IsVisible(id)); });
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

void CMainFrame::OnNew()
{
    m_drawings->NewDrawing();
}

void CMainFrame::OnOpen()
{
    const QString path = m_context.chooseOpenPath(this);
    if (!path.isEmpty())
        m_drawings->OpenDrawing(path);
}

void CMainFrame::OnClose()
{
    if (QMdiSubWindow* child = m_drawings->ActiveChild())
        child->close();
}

void CMainFrame::OnSave()
{
    if (DocumentManager::Drawing* drawing = m_drawings->ActiveDrawing())
        m_drawings->SaveDrawing(*drawing);
}

void CMainFrame::OnSaveAs()
{
    if (DocumentManager::Drawing* drawing = m_drawings->ActiveDrawing())
        m_drawings->SaveDrawingAs(*drawing);
}

void CMainFrame::OnPrintSetup()
{
    QPageSetupDialog dialog(&Printer(), this);
    m_context.runModal(dialog);
}

void CMainFrame::OnExit()
{
    close();
}

void CMainFrame::OnToggleToolbar1()
{
    m_toolbar1->setVisible(!m_toolbar1->isVisibleTo(this));
}

void CMainFrame::OnToggleToolbar2()
{
    m_toolbar2->setVisible(!m_toolbar2->isVisibleTo(this));
}

void CMainFrame::OnToggleStatusBar()
{
    statusBar()->setVisible(!statusBar()->isVisibleTo(this));
}

void CMainFrame::OnDrawingInfo()
{
    const DocumentManager::Drawing* drawing = m_drawings->ActiveDrawing();
    if (!drawing)
        return;
    const DrawingDocument& document = *drawing->document;
    CDrawingInfoDlg::Facts facts;
    facts.globCount = document.GlobCount();
    facts.colorCount = document.ColorChangeCount();
    facts.width = document.Size().width();
    facts.height = document.Size().height();
    facts.background = document.BackgroundColor();
    if (CChildFrame* child = m_drawings->ActiveChild()) {
        if (auto* view = qobject_cast<CDaubrixView*>(child->widget())) {
            const DrawingSession& session = view->Session();
            facts.clearPending = session.pendingClear;
            facts.hiddenGlobs = qMax(0, facts.globCount - session.canvas.HistoryPosition());
        }
    }
    CDrawingInfoDlg dialog(facts, this);
    m_context.runModal(dialog);
}

void CMainFrame::OnCascade()
{
    m_workspace->cascadeSubWindows();
}

void CMainFrame::OnTile()
{
    m_workspace->tileSubWindows();
}

void CMainFrame::OnTipOfTheDay()
{
    QSettings store(QStringLiteral("Zentrik"), QStringLiteral("Daubrix"));
    CTipDlg dialog(m_context.programFolder + QStringLiteral("tips.txt"), store, this);
    m_context.runModal(dialog);
}

void CMainFrame::OnHelpTopics()
{
    if (!m_help) {
        m_help = new CHelpDlg(m_context.programFolder + QStringLiteral("help/index.html"), this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
}

void CMainFrame::OnContextHelp()
{
    QWhatsThis::enterWhatsThisMode();
}

void CMainFrame::OnAbout()
{
    CAboutDlg dialog(this);
    m_context.runModal(dialog);
}

void CMainFrame::UpdateNeedsDrawing(QAction& action)
{
    action.setEnabled(m_drawings->ActiveDrawing() != nullptr);
}

void CMainFrame::UpdateToolbar1(QAction& action)
{
    action.setChecked(m_toolbar1->isVisibleTo(this));
}

void CMainFrame::UpdateToolbar2(QAction& action)
{
    action.setEnabled(!m_toolbar2->actions().isEmpty());
    action.setChecked(m_toolbar2->isVisibleTo(this));
}

void CMainFrame::UpdateStatusBar(QAction& action)
{
    action.setChecked(statusBar()->isVisibleTo(this));
}
