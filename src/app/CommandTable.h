#pragma once

#include <span>
#include <vector>

// Command ids as the menus, toolbars and status prompts know them.
namespace CommandId
{
constexpr int TipOfTheDay = 105;
constexpr int ToggleShapes = 32783;
constexpr int ToggleColors = 32786;
constexpr int ToggleHistory = 32800;
constexpr int ToggleToolbar2 = 32834;
constexpr int FullScreen = 32835;
constexpr int DrawingInfo = 32870;
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int PrintSetup = 57606;
constexpr int RecentFile = 57616; // placeholder row where the recent files are listed
constexpr int WindowCascade = 57650;
constexpr int WindowTile = 57651;
constexpr int About = 57664;
constexpr int Exit = 57665;
constexpr int HelpTopics = 57667;
constexpr int ContextHelp = 57669;
constexpr int Help = 57670;
constexpr int ToggleToolbar = 59392;
constexpr int ToggleStatusBar = 59393;
constexpr int Undo = 57643;
constexpr int Clear = 32781;
constexpr int Regenerate = 32777;
constexpr int Lines = 32801;
constexpr int Jitter = 32809;
constexpr int Skipping = 32823;
constexpr int MirrorHorizontal = 32775;
constexpr int MirrorVertical = 32776;
constexpr int MirrorBoth = 32774;
constexpr int PolarMirror = 32779;
constexpr int MoveCenter = 32794;
constexpr int ResetCenter = 32795;
constexpr int AutoChangeHue = 32789;
constexpr int AutoChangeSat = 32790;
constexpr int AutoChangeVal = 32791;
constexpr int LoadBackground = 32829;
constexpr int RemoveBackground = 32830;
constexpr int Separator = 0;
} // namespace CommandId

enum class CommandIcon {
    None,
    New,
    Open,
    Save,
    Cut,
    Copy,
    Paste,
    Print,
    PrintPreview,
    ContextHelp,
    FullScreen,
    Tip,
    Info,
    Undo,
    Regenerate,
    Clear,
    MoveCenter,
    MirrorHorizontal,
    MirrorVertical,
    MirrorBoth,
    PolarMirror,
    Lines,
    Jitter,
    Skipping,
    Pattern,
    AutoChangeHue,
    AutoChangeSat,
    AutoChangeVal,
    SampleShape,
    SampleColor,
    SimulateDepth,
};

enum class CommandKind { Plain, Checkable };

// One row per command: everything a menu item, toolbar button and status prompt need.
struct CommandInfo
{
    int id;
    const char* text;     // menu text with '&' and an optional "\t" accelerator label
    const char* shortcut; // QKeySequence text, may be empty
    const char* prompt;   // status-bar prompt
    const char* tooltip;
    CommandIcon icon;
    CommandKind kind;
    const char* altShortcut = ""; // a second key for the same command, may be empty
};

// A menu: its title and command ids in order, CommandId::Separator between groups.
struct MenuLayout
{
    const char* title;
    std::vector<int> items;
};

namespace CommandTable
{
std::span<const CommandInfo> Commands();
const CommandInfo* Find(int id);

std::vector<MenuLayout> MenusWithoutDrawing();
std::vector<MenuLayout> MenusWithDrawing();

// Toolbar buttons in order; ids without a row in the table are left out when built.
std::vector<int> Toolbar1();
std::vector<int> Toolbar2();
} // namespace CommandTable
