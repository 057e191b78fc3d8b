#pragma once

#include <functional>

class CommandRegistry;
class QWidget;
class WorkspaceViews;
enum class CommandId : int;
enum class CtrlKey;
struct DrawingModes;
struct ModeEffects;
struct OneShotModes;

// The Drawing family's modes: Lines, Jitter, Skipping, the mirrors, Polar Mirror, Move
// Center, Reset Center, Sample Color and Sample Shape, and what a change of mode does to the open drawing windows.
class ModeCommands final
{
public:
    ModeCommands(CommandRegistry& registry, const WorkspaceViews& views, DrawingModes& modes,
                 OneShotModes& oneShot, QWidget& dialogParent);

private:
    void Register(CommandRegistry& registry);
    void AddMode(CommandRegistry& registry, CommandId id, std::function<ModeEffects()> run,
                 std::function<bool()> checked);
    void AddSampling(CommandRegistry& registry, CommandId id, std::function<ModeEffects()> run,
                     std::function<bool()> checked);
    void ApplyEffects(const ModeEffects& effects);
    static CtrlKey Ctrl();

    const WorkspaceViews& m_views;
    DrawingModes& m_modes;
    OneShotModes& m_oneShot;
    QWidget& m_dialogParent;
};
