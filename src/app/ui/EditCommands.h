#pragma once

class CommandRegistry;
class QWidget;
class WorkspaceViews;
struct OneShotModes;

// The Edit family, acting on the active drawing window: Undo (and Redo), Clear, Regenerate.
class EditCommands final
{
public:
    EditCommands(CommandRegistry& registry, const WorkspaceViews& views, OneShotModes& oneShot,
                 QWidget& dialogParent);

private:
    void Register(CommandRegistry& registry);

    const WorkspaceViews& m_views;
    OneShotModes& m_oneShot;
    QWidget& m_dialogParent;
};
