#pragma once

class CDaubrixView;
class CommandRegistry;
class QWidget;
class WorkspaceViews;
struct DrawingModes;
struct TransferStores;

// The transfers family: Cut, Copy and Paste through the program's own clipboard, Define
// Pattern and Pattern mode, each asking its one question first.
class TransferCommands final
{
public:
    TransferCommands(CommandRegistry& registry, const WorkspaceViews& views, TransferStores& stores,
                     DrawingModes& modes, QWidget& dialogParent);

private:
    void RegisterClipboard(CommandRegistry& registry);
    void RegisterPattern(CommandRegistry& registry);
    void RunCut();
    void RunCopy();
    void RunPaste();
    void TogglePattern();
    // Copy and Cut replace the clipboard, which undoing a cut elsewhere still needs.
    void ForgetClipUndoEverywhere();
    void Changed(CDaubrixView& view);
    bool CanTake() const;

    const WorkspaceViews& m_views;
    TransferStores& m_stores;
    DrawingModes& m_modes;
    QWidget& m_dialogParent;
};
