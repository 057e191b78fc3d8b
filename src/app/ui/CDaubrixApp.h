#pragma once

#include <functional>
#include <memory>

#include <QStringList>

#include "app/AppSettings.h"
#include "app/DocumentManager.h"
#include "app/NewDrawingChoice.h"
#include "app/ui/RecoveryQuestion.h"
#include "app/ui/FrameContext.h"
#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "imaging/TransferStores.h"
#include "view/CharacterKeys.h"
#include "view/DrawingModes.h"
#include "view/DrawingTools.h"
#include "view/OneShotModes.h"
#include "shapes/ShapeTable.h"

class QDialog;
class CMainFrame;
class DrawingCommandHomes;
class DrawingRecovery;
class PaletteWindows;

// The program as a whole: start-up in order, what all drawings share, and the settings
// written back at the end.
class CDaubrixApp final
{
public:
    // The pieces of start-up that reach outside the program; empty ones take the
    // program's own.
    struct StartupHooks
    {
        QString programFolder; // empty: found from the executable's path
        std::function<int(const QString& programFolder)> discoverShapes; // shapes found
        std::function<bool()> prepareShapes; // false: no cursors could be made
        std::function<int(QDialog&)> runModal;
        std::function<FrameContext::ViewParts(DocumentManager::Drawing&)> makeView;
        std::function<QString(QWidget* parent)> choosePicture; // for Load background and Import
        std::function<QString(QWidget* parent)> chooseImageFile; // for Image > Save
        QStringList arguments; // without the program name
        QString recoveryFolder; // empty: the user's data folder's own
        std::function<RecoveryQuestion::Answer(QWidget* parent, int count)> askRecovery;
    };

    explicit CDaubrixApp(StartupHooks hooks = {});
    ~CDaubrixApp();

    // False ends the program; the reason has been shown.
    bool Start();
    // Writes the settings, unless start-up failed before it read them.
    void Exit();

    CMainFrame* Frame() const { return m_frame.get(); }
    AppSettings& Settings() { return m_settings; }
    DocumentManager& Documents() { return m_documents; }
    const QString& ProgramFolder() const { return m_programFolder; }
    RandomGenerator& Random() { return m_random; }
    DrawingModes& Modes() { return m_modes; }
    AutoChangeState& Drift() { return m_drift; }
    DrawingTools Tools();
    ShapeTable& Shapes() { return m_shapes; }
    bool LowColor() const { return m_lowColor; }
    bool Loading() const { return m_loading; }
    DrawingRecovery* Recovery() const { return m_recovery.get(); }

    static QString ShapeCursorsText();

private:
    bool LoadShapes();
    void ReadSettings();
    void CreateFrame();
    void CreatePalettes();
    void CheckDisplay();
    void OfferTip();
    void OpenCommandLineDrawing();
    void StartRecovery();
    void OfferRecovery();
    FrameContext::ViewParts MakeDrawingView(DocumentManager::Drawing& drawing);

    StartupHooks m_hooks;
    RandomGenerator m_random; // seeded with the time
    QString m_programFolder;
    ShapeTable m_shapes;
    AppSettings m_settings;
    DrawingModes m_modes;
    AutoChangeState m_drift;
    TransferStores m_transfers; // the clipboard and the pattern, for the whole run
    DocumentManager m_documents;
    std::unique_ptr<DrawingRecovery> m_recovery; // from the settings on; ends before the documents
    NewDrawingChoice m_lastNewDrawing;
    std::unique_ptr<CMainFrame> m_frame;
    OneShotModes m_oneShot; // cleared whenever a drawing window is made
    ColorKeyRepaints m_colorKeys; // Colors window repaints the colour keys left waiting
    std::unique_ptr<DrawingCommandHomes> m_drawingCommands; // once the palettes are there
    std::unique_ptr<PaletteWindows> m_palettes;
    bool m_loading = true;
    bool m_lowColor = false;
    bool m_doNotSave = false;
    bool m_settingsRead = false;
    bool m_exited = false;
};
