#pragma once

#include <functional>

#include "model/DepthSimulation.h"

class CommandRegistry;
class QWidget;
class StatusSink;
class WorkspaceViews;

// "Simulate &Depth": asks for the range and scheme, then recolours the active drawing for
// depth; Undo gives the old colours back. The settings last for the program's run.
class DepthCommands final
{
public:
    DepthCommands(CommandRegistry& registry, const WorkspaceViews& views, QWidget& dialogParent,
                  StatusSink& status);

    // Who asks for the settings; the "Simulate Depth" dialog by default (tests answer it).
    using SettingsDialog = std::function<bool(DepthSettings&, QWidget* parent)>;
    void SetDialog(SettingsDialog dialog) { m_dialog = std::move(dialog); }

private:
    void Run();

    const WorkspaceViews& m_views;
    QWidget& m_dialogParent;
    StatusSink& m_status;
    DepthSettings m_settings;
    SettingsDialog m_dialog;
};
