#pragma once

#include "app/ui/ActiveViewLink.h"
#include "app/ui/BackgroundCommands.h"
#include "app/ui/ColorDriftCommands.h"
#include "app/ui/DepthCommands.h"
#include "app/ui/EditCommands.h"
#include "app/ui/HistoryWindowLink.h"
#include "app/ui/ImageSaveCommands.h"
#include "app/ui/ImportCommands.h"
#include "app/ui/ModeCommands.h"
#include "app/ui/TransferCommands.h"
#include "app/ui/ViewContextMenu.h"
#include "app/ui/WorkspaceViews.h"
#include "view/DrawingTools.h"

class CMainFrame;

// The homes of the commands that act on the active drawing window (Edit, Drawing modes,
// Colors drift and depth, Image background, save and import) and its links to the palettes, made together once the
// palettes are there. It holds them and nothing else.
class DrawingCommandHomes final
{
public:
    // tools: what the drawings share; its oneShot is the click-once modes the homes end.
    DrawingCommandHomes(CMainFrame& frame, const DrawingTools& tools);

    ActiveViewLink& ViewLink() { return m_viewLink; }
    HistoryWindowLink& HistoryLink() { return m_historyLink; }
    BackgroundCommands& Background() { return m_background; }
    ImportCommands& Import() { return m_import; }
    ImageSaveCommands& ImageSave() { return m_imageSave; }
    ViewContextMenu& ContextMenu() { return m_contextMenu; }
    DepthCommands& Depth() { return m_depth; }

private:
    WorkspaceViews m_views;
    HistoryWindowLink m_historyLink;
    ActiveViewLink m_viewLink;
    EditCommands m_edit;
    ModeCommands m_modes;
    TransferCommands m_transfers;
    ColorDriftCommands m_drift;
    DepthCommands m_depth;
    BackgroundCommands m_background;
    ImportCommands m_import;
    ImageSaveCommands m_imageSave;
    ViewContextMenu m_contextMenu;
};
