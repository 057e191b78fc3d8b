#include "app/ui/CDaubrixApp.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include "app/CommandLine.h"
#include "app/DaubrixDrawingDocument.h"
#include "app/DrawingModeSettings.h"
#include "app/DrawingRecovery.h"
#include "app/ProgramFolder.h"
#include "app/StartupMessages.h"
#include "app/ui/CFewColorsDlg.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/MovieCommands.h"
#include "app/ui/CTipDlg.h"
#include "app/ui/DrawingCommandHomes.h"
#include "app/ui/DrawingWindows.h"
#include "app/ui/PaletteWindows.h"
#include "app/ui/ShellMessageBox.h"
#include "view/ui/CDaubrixView.h"

namespace
{
QSettings Store()
{
    return QSettings(QStringLiteral("Zentrik"), QStringLiteral("Daubrix"));
}

QSize ScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(640, 480);
}

void Show(const UserMessage& message)
{
    ShellMessageBox::Show(nullptr, message);
}

void Fail(const QString& text)
{
    ShellMessageBox::Show(nullptr, {text, MessageIcon::Critical});
}
} // namespace

CDaubrixApp::CDaubrixApp(StartupHooks hooks)
    : m_hooks(std::move(hooks)),
      m_documents([this] {
          return std::make_unique<DaubrixDrawingDocument>(m_shapes, m_lowColor, Show);
      })
{
    if (!m_hooks.discoverShapes) {
        m_hooks.discoverShapes = [this](const QString& folder) {
            return m_shapes.Discover(folder,
                                     [](const QString& text) { Show({text, MessageIcon::None}); });
        };
    }
    if (!m_hooks.prepareShapes)
        m_hooks.prepareShapes = [this] { return m_shapes.PrepareAll(); };
    if (!m_hooks.runModal)
        m_hooks.runModal = [](QDialog& dialog) { return dialog.exec(); };
    m_transfers.clip.SetMessageSink(Show);
    m_transfers.pattern.SetMessageSink(Show);
    if (!m_hooks.askRecovery)
        m_hooks.askRecovery = RecoveryQuestion::Ask;
}

CDaubrixApp::~CDaubrixApp()
{
    Exit();
}

QString CDaubrixApp::ShapeCursorsText()
{
    return QStringLiteral("Error creating shape cursors:\nNot enough Resources.\n\n"
                          "Close one or more programs\nor restart and try again.");
}

bool CDaubrixApp::Start()
{
    if (const auto seed = SeedOption(m_hooks.arguments))
        m_random.Seed(*seed);
    m_programFolder = m_hooks.programFolder.isEmpty()
                          ? ProgramFolder::Locate(QCoreApplication::applicationFilePath())
                          : m_hooks.programFolder;
    if (!LoadShapes())
        return false;
    ReadSettings();
    StartRecovery();
    CreateFrame();
    CreatePalettes();
    m_frame->ShowWithShowCommand();
    CheckDisplay();
    OfferTip();
    OfferRecovery();
    OpenCommandLineDrawing();
    return true;
}

bool CDaubrixApp::LoadShapes()
{
    if (m_hooks.discoverShapes(m_programFolder) <= 0) {
        Fail(ShapesNotFoundText());
        return false;
    }
    if (!m_hooks.prepareShapes()) {
        Fail(ShapeCursorsText());
        m_doNotSave = true;
        return false;
    }
    m_loading = false;
    return true;
}

void CDaubrixApp::ReadSettings()
{
    QSettings store = Store();
    m_settings.Read(store, ScreenSize());
    m_documents.Recent().Read(store);
    m_settingsRead = true;
    ModesFromSettings(m_settings, m_modes, m_drift);
    for (AutoChannel channel : {AutoChannel::Hue, AutoChannel::Saturation, AutoChannel::Value})
        m_drift.StartAutoChange(channel, m_shapes.Current().Color(), m_random);
}

void CDaubrixApp::CreateFrame()
{
    FrameContext context{m_settings, m_documents, m_lastNewDrawing, m_programFolder, {}, {}, {}, {}};
    context.makeView = m_hooks.makeView;
    if (!context.makeView)
        context.makeView = [this](DocumentManager::Drawing& drawing) { return MakeDrawingView(drawing); };
    context.runModal = m_hooks.runModal;
    m_frame = std::make_unique<CMainFrame>(std::move(context));
    m_settings.KeepMainWindowOnScreen(ScreenSize());
    m_frame->ApplyPlacement();
}

void CDaubrixApp::CheckDisplay()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() > 8)
        return;
    CFewColorsDlg dialog(m_frame.get());
    m_hooks.runModal(dialog);
    m_lowColor = true;
}

void CDaubrixApp::OfferTip()
{
    QSettings store = Store();
    if (!CTipDlg::ShowAtStartUp(store))
        return;
    CTipDlg dialog(m_programFolder + QStringLiteral("tips.txt"), store, m_frame.get());
    m_hooks.runModal(dialog);
}

void CDaubrixApp::OpenCommandLineDrawing()
{
    const QString path = DrawingToOpen(m_hooks.arguments);
    if (!path.isEmpty())
        m_frame->Drawings().OpenDrawing(path);
}

// ---- autosave and recovery ----

void CDaubrixApp::StartRecovery()
{
    const qint64 interval = AutoSaveIntervalMs(m_hooks.arguments, m_settings.AutoSaveMinutes);
    const QString folder = m_hooks.recoveryFolder.isEmpty() ? RecoveryStore::DefaultFolder()
                                                            : m_hooks.recoveryFolder;
    m_recovery = std::make_unique<DrawingRecovery>(m_documents, folder, interval);
}

void CDaubrixApp::OfferRecovery()
{
    const std::vector<RecoveryCopy> copies = m_recovery->LeftOver();
    if (copies.empty())
        return;
    switch (m_hooks.askRecovery(m_frame.get(), int(copies.size()))) {
    case RecoveryQuestion::Answer::Recover:
        for (const RecoveryCopy& copy : copies)
            m_frame->Drawings().OpenRecovered(copy.copyPath, copy.note.originalPath, copy.note.title);
        m_recovery->Recovered();
        break;
    case RecoveryQuestion::Answer::Discard: m_recovery->Discard(); break;
    case RecoveryQuestion::Answer::Later: m_recovery->KeepForLater(); break;
    }
}

void CDaubrixApp::Exit()
{
    if (m_exited)
        return;
    m_exited = true;
    if (m_frame)
        m_frame->Palettes().RecordPlacements();
    m_palettes.reset();
    // The drawing commands listen to the workspace, which signals while the frame goes.
    m_drawingCommands.reset();
    m_frame.reset();
    if (m_recovery)
        m_recovery->EndCleanly();
    if (m_doNotSave || !m_settingsRead)
        return;
    QSettings store = Store();
    ModesToSettings(m_modes, m_drift, m_settings);
    m_settings.Write(store);
    m_documents.Recent().Write(store);
}

DrawingTools CDaubrixApp::Tools()
{
    if (m_drawingCommands) {
        m_oneShot = OneShotModes{};
        m_colorKeys = ColorKeyRepaints{};
        return DrawingTools{m_shapes, m_modes, m_drift, m_random, &m_drawingCommands->ViewLink(), &m_oneShot,
                            &m_transfers, &m_colorKeys};
    }
    return DrawingTools{m_shapes, m_modes, m_drift, m_random, nullptr, nullptr, &m_transfers};
}

void CDaubrixApp::CreatePalettes()
{
    if (m_hooks.makeView)
        return; // tests that bring their own views bring no palettes either
    m_drawingCommands = std::make_unique<DrawingCommandHomes>(
        *m_frame, DrawingTools{m_shapes, m_modes, m_drift, m_random, nullptr, &m_oneShot, &m_transfers});
    ActiveViewLink& link = m_drawingCommands->ViewLink();
    m_palettes = std::make_unique<PaletteWindows>(m_shapes, &link, m_random, m_programFolder, m_frame.get());
    link.SetPalette(&m_palettes->Palette());
    m_drawingCommands->Background().SetLowColorQuery([this] { return m_lowColor; });
    m_drawingCommands->Background().SetPictureChooser(m_hooks.choosePicture);
    m_drawingCommands->Import().SetPictureChooser(m_hooks.choosePicture);
    m_drawingCommands->ImageSave().SetFileChooser(m_hooks.chooseImageFile);
    m_drawingCommands->Import().SetBeforeLongWork([this] { m_recovery->BeforeLongWork(); });
    m_frame->Movies().SetBeforeLongWork([this] { m_recovery->BeforeLongWork(); });
    m_palettes->RegisterWith(*m_frame);
}

FrameContext::ViewParts CDaubrixApp::MakeDrawingView(DocumentManager::Drawing& drawing)
{
    DrawingDocument& document = *drawing.document;
    auto* view = new CDaubrixView(document.Doc(), Tools());
    document.SetViewHost(&view->BackgroundStore());
    if (m_drawingCommands) {
        m_drawingCommands->HistoryLink().AdoptView(view);
        m_drawingCommands->ContextMenu().AdoptView(view);
    }
    QObject::connect(view, &QObject::destroyed, [&document] { document.SetViewHost(nullptr); });
    if (m_frame)
        QObject::connect(view, &CDaubrixView::PaletteCycleWanted, m_frame.get(), &CMainFrame::CycleScreenMode);
    QObject::connect(view, &CDaubrixView::DrawingChanged, [this, &drawing] {
        if (m_frame)
            m_frame->Drawings().SetModified(drawing, true);
    });
    return {view, view};
}
