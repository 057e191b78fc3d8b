#include "app/ui/DrawingCommands.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/AppSettings.h"
#include "app/CommandTable.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CommandActions.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/PaletteList.h"
#include "color/ColorPalette.h"
#include "color/ui/CAutoChangeDlg.h"
#include "color/ui/CConfirmDlg.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingModeCommands.h"
#include "view/DrawingModes.h"
#include "view/UndoState.h"
#include "view/ui/CDaubrixView.h"
#include "view/ui/CHistoryWnd.h"
#include "view/ui/CJitterDlg.h"
#include "view/ui/CLinesDlg.h"
#include "view/ui/CPolarMirrorDlg.h"
#include "view/ui/CSkippingDlg.h"
#include "app/ui/ShellMessageBox.h"
#include "imaging/BackgroundTemp.h"
#include "imaging/PictureFile.h"
#include "imaging/ui/CLoadBackgroundDlg.h"
#include "imaging/ui/CPictureFileDlg.h"

using enum CommandId;

DrawingCommands::DrawingCommands(CMainFrame& frame, const DrawingTools& tools, ColorPalette* palette)
    : QObject(&frame), m_frame(frame), m_tools(tools), m_palette(palette),
      m_choosePicture(CPictureFileDlg::GetPictureFileName)
{
    m_tools.palettes = this;
    m_tools.oneShot = &m_oneShot;
    RegisterHandlers();
    RegisterModeCommands();
    RegisterHistoryPalette();
    RegisterBackgroundCommands();
    connect(frame.Workspace(), &QMdiArea::subWindowActivated, this, &DrawingCommands::ViewActivated);
}

DrawingCommands::~DrawingCommands()
{
    // Without this object nobody tells the history window when its drawing goes.
    if (m_history)
        m_history->SetSession(nullptr);
}

DrawingTools DrawingCommands::ToolsForViews()
{
    m_oneShot = OneShotModes{};
    return m_tools;
}

CDaubrixView* DrawingCommands::ActiveView() const
{
    QMdiSubWindow* window = m_frame.Workspace()->activeSubWindow();
    if (!window)
        window = m_frame.Workspace()->currentSubWindow();
    return window ? qobject_cast<CDaubrixView*>(window->widget()) : nullptr;
}

bool DrawingCommands::CtrlHeld() const
{
    return QApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
}

CtrlKey DrawingCommands::Ctrl() const
{
    return CtrlHeld() ? CtrlKey::Held : CtrlKey::Up;
}

void DrawingCommands::ViewActivated(QMdiSubWindow*)
{
    CDaubrixView* view = ActiveView();
    if (m_history)
        m_history->SetSession(view ? &view->Session() : nullptr);
    if (view)
        view->SetStatusSink(&m_frame);
}

// Only a view that takes the focus from another drawing window refreshes its slider; the
// focus coming back from a palette or a dialog leaves the history as it is (a pending
// Clear keeps its empty range).
void DrawingCommands::ViewFocused(CDaubrixView* view)
{
    if (view != m_lastFocusLost)
        view->FocusFromAnotherView();
}

void DrawingCommands::RegisterHandlers()
{
    CommandActions& commands = m_frame.Commands();
    commands.SetHandler(
        Undo,
        [this] {
            if (CDaubrixView* v = ActiveView()) {
                v->Session().history.Undo();
                v->Refresh();
                emit v->DrawingChanged();
            }
        },
        [this](QAction& a) {
            CDaubrixView* v = ActiveView();
            a.setEnabled(v && v->Session().history.CanUndo());
            a.setText(UndoLabel(v ? v->Session().doc.UndoState() : UndoNothing));
        });
    commands.SetHandler(
        Clear,
        [this] {
            CDaubrixView* v = ActiveView();
            if (!v || !CConfirmDlg::Ask(CConfirmDlg::Question::ClearDrawing, &m_frame))
                return;
            v->Session().history.Clear();
            m_oneShot = OneShotModes{};
            v->Refresh();
            emit v->DrawingChanged();
        },
        [this](QAction& a) {
            CDaubrixView* v = ActiveView();
            a.setEnabled(v && v->Session().history.CanClear());
        });
    commands.SetHandler(Regenerate, [this] {
        if (CDaubrixView* v = ActiveView())
            v->Regenerate();
    }, [this](QAction& a) { NeedsView(a); });
    const std::pair<CommandId, AutoChannel> drift[] = {
        {AutoChangeHue, AutoChannel::Hue}, {AutoChangeSat, AutoChannel::Saturation}, {AutoChangeVal, AutoChannel::Value}};
    for (auto [id, channel] : drift) {
        commands.SetHandler(
            id,
            [this, channel] {
                CAutoChangeDlg::RunCommand(channel, CtrlHeld(), m_tools.autoChange, m_tools.shapes.Current().Color(),
                                           m_tools.random, &m_frame);
            },
            [this, channel](QAction& a) {
                NeedsView(a);
                a.setChecked(m_tools.autoChange.Channel(channel).mode != AutoOff);
            });
    }
}

void DrawingCommands::RegisterModeCommands()
{
    CommandActions& commands = m_frame.Commands();
    DrawingModes& modes = m_tools.modes;
    QWidget* parent = &m_frame;
    const auto mode = [&commands, this](CommandId id, std::function<ModeEffects()> run, std::function<bool()> checked) {
        commands.SetHandler(
            id, [this, run] { ApplyEffects(run()); },
            [this, checked](QAction& a) {
                NeedsView(a);
                a.setChecked(checked());
            });
    };
    mode(Lines, [this, &modes, parent] { return LinesCommand(modes, Ctrl(),
                                                          [parent](DrawingModes& m) { return CLinesDlg::Ask(m, parent); }); },
         [&modes] { return modes.lines; });
    mode(Jitter, [this, &modes, parent] { return JitterCommand(modes, Ctrl(),
                                                            [parent](DrawingModes& m) { return CJitterDlg::Ask(m, parent); }); },
         [&modes] { return modes.jitter; });
    mode(Skipping, [this, &modes, parent] { return SkippingCommand(modes, Ctrl(),
                                                                [parent](DrawingModes& m) { return CSkippingDlg::Ask(m, parent); }); },
         [&modes] { return modes.skipping; });
    mode(PolarMirror, [this, &modes, parent] { return PolarMirrorCommand(modes, Ctrl(),
                                                                      [parent](DrawingModes& m) { return CPolarMirrorDlg::Ask(m, parent); }); },
         [&modes] { return modes.symmetry.polar; });
    mode(MirrorHorizontal, [&modes] { return MirrorCommand(modes, Mirror::Horizontal); },
         [&modes] { return modes.symmetry.mirrorHorizontal; });
    mode(MirrorVertical, [&modes] { return MirrorCommand(modes, Mirror::Vertical); },
         [&modes] { return modes.symmetry.mirrorVertical; });
    mode(MirrorBoth, [&modes] { return MirrorCommand(modes, Mirror::Both); },
         [&modes] { return modes.symmetry.mirrorBoth; });
    mode(MoveCenter, [this, &modes] { return MoveCenterCommand(modes, m_oneShot); },
         [this] { return m_oneShot.moveCentre; });
    commands.SetHandler(ResetCenter, [this] {
        if (CDaubrixView* v = ActiveView())
            ApplyEffects(ResetCenterCommand(v->Session()));
    }, [this](QAction& a) { NeedsView(a); });
}

void DrawingCommands::NeedsView(QAction& action) const
{
    action.setEnabled(ActiveView() != nullptr);
}

void DrawingCommands::ApplyEffects(const ModeEffects& effects)
{
    if (effects.movePointerToCentre) {
        if (CDaubrixView* v = ActiveView())
            QCursor::setPos(v->viewport()->mapToGlobal(v->ToWindow(v->Session().centre)));
    }
    for (QMdiSubWindow* window : m_frame.Workspace()->subWindowList()) {
        auto* view = qobject_cast<CDaubrixView*>(window->widget());
        if (!view)
            continue;
        if (effects.clearLineAnchor)
            view->Session().strokes.ClearAnchor();
        if (effects.repaintRubberBand)
            view->viewport()->update();
    }
}

void DrawingCommands::RegisterHistoryPalette()
{
    m_history = new CHistoryWnd(&m_frame);
    connect(m_history, &CHistoryWnd::characterTyped, this, [this](const QString& text) {
        if (CDaubrixView* v = ActiveView()) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
            QApplication::sendEvent(v, &key);
        }
    });
    m_frame.RegisterPalette(PaletteRegistration::History(m_history));
}

void DrawingCommands::AdoptView(CDaubrixView* view)
{
    connect(view, &CDaubrixView::FocusGained, this, &DrawingCommands::ViewFocused);
    connect(view, &CDaubrixView::FocusLost, this, [this](CDaubrixView* v) { m_lastFocusLost = v; });
    connect(view, &CDaubrixView::Closing, this, [this](CDaubrixView* closing) {
        if (m_history && m_history->Session() == &closing->Session())
            m_history->SetSession(nullptr);
    });
}

void DrawingCommands::RegisterBackgroundCommands()
{
    CommandActions& commands = m_frame.Commands();
    commands.SetHandler(
        LoadBackground,
        [this] {
            if (CDaubrixView* v = ActiveView())
                LoadBackgroundInto(*v);
        },
        [this](QAction& a) {
            CDaubrixView* v = ActiveView();
            a.setEnabled(v != nullptr && !(m_lowColor && m_lowColor()));
            a.setChecked(v && v->Session().doc.HasBackgroundImage());
        });
    commands.SetHandler(
        RemoveBackground,
        [this] {
            if (CDaubrixView* v = ActiveView())
                RemoveBackgroundFrom(*v);
        },
        [this](QAction& a) {
            CDaubrixView* v = ActiveView();
            a.setEnabled(v && v->Session().doc.HasBackgroundImage());
        });
}

void DrawingCommands::SetPictureChooser(PictureChooser chooser)
{
    m_choosePicture = chooser ? std::move(chooser) : PictureChooser(CPictureFileDlg::GetPictureFileName);
}

void DrawingCommands::LoadBackgroundInto(CDaubrixView& view)
{
    const QString path = m_choosePicture(&m_frame);
    if (path.isEmpty())
        return;
    QImage picture;
    const ImageStatus read = ReadPictureFile(path, picture);
    if (!read.ok) {
        for (const UserMessage& message : PictureReadFailureMessages(read))
            ShellMessageBox::Show(&m_frame, message);
        return;
    }
    auto sizing = BackgroundSizing(m_backgroundSizing);
    if (!CLoadBackgroundDlg::Ask(&m_frame, sizing))
        return;
    m_backgroundSizing = int(sizing);
    DrawingSession& s = view.Session();
    PlacedBackground placed;
    const ImageStatus made = MakeBackground(picture, s.canvas.Size(), sizing, placed);
    if (!made.ok) {
        // The drawing keeps the background it had.
        ShellMessageBox::Show(&m_frame, UserMessage(made.message, made.icon, made.title));
        return;
    }
    s.canvas.SetBackground(placed.bitmap, placed.offset);
    BackgroundChanged(view, true);
}

void DrawingCommands::RemoveBackgroundFrom(CDaubrixView& view)
{
    view.Session().canvas.RemoveBackground();
    BackgroundChanged(view, false);
}

// The background lies under every glob, so the undo image and the picture are redrawn.
void DrawingCommands::BackgroundChanged(CDaubrixView& view, bool hasBackground)
{
    DrawingSession& s = view.Session();
    s.doc.SetBackgroundImage(hasBackground);
    s.canvas.RebuildUndoImage(&m_frame);
    s.canvas.RegenerateFromUndo();
    view.Refresh();
    emit view.DrawingChanged();
}

bool DrawingCommands::HasActiveDrawing() const { return ActiveView() != nullptr; }

void DrawingCommands::ApplyColor(int, const HsvColor& color)
{
    CDaubrixView* v = ActiveView();
    if (!v)
        return;
    v->Session().ApplyCurrentColor(color);
    emit v->DrawingChanged();
}

HsvColor DrawingCommands::ColorsWindowColor() const
{
    return m_palette ? m_palette->current : m_tools.shapes.Current().Color();
}

void DrawingCommands::SetColorsWindowColor(const HsvColor& color)
{
    if (m_palette)
        m_palette->current = color;
}

void DrawingCommands::StrokeEnded()
{
    if (!m_palette)
        return;
    m_palette->AddToHistory();
    m_palette->Changed();
}

void DrawingCommands::RepaintShapesWindow()
{
    if (m_palette && m_palette->shapesChanged)
        m_palette->shapesChanged();
}
