#pragma once

#include <span>
#include <vector>

// Command ids as the menus, toolbars and status prompts know them; the numbers are kept.
enum class CommandId : int {
    TipOfTheDay = 105,
    ToggleShapes = 32783,
    ToggleColors = 32786,
    ToggleHistory = 32800,
    ToggleToolbar2 = 32834,
    FullScreen = 32835,
    DrawingInfo = 32870,
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    PrintSetup = 57606,
    RecentFile = 57616, // placeholder row where the recent files are listed
    WindowCascade = 57650,
    WindowTile = 57651,
    About = 57664,
    Exit = 57665,
    HelpTopics = 57667,
    ContextHelp = 57669,
    Help = 57670,
    ToggleToolbar = 59392,
    ToggleStatusBar = 59393,
    Undo = 57643,
    Clear = 32781,
    Regenerate = 32777,
    Lines = 32801,
    Jitter = 32809,
    Skipping = 32823,
    MirrorHorizontal = 32775,
    MirrorVertical = 32776,
    MirrorBoth = 32774,
    PolarMirror = 32779,
    MoveCenter = 32794,
    ResetCenter = 32795,
    BackgroundColor = 32822,
    AutoChangeHue = 32789,
    AutoChangeSat = 32790,
    AutoChangeVal = 32791,
    SaveImage = 32784,
    ImportImage = 32828,
    LoadBackground = 32829,
    RemoveBackground = 32830,
    Cut = 57635,
    Copy = 57634,
    Paste = 57637,
    DefinePattern = 32826,
    Pattern = 32825,
    Print = 57607,
    PrintPreview = 57609,
    SizeWhenPrinted = 32854,
    CreateMovie = 32853,
    SampleShape = 32820,
    SampleColor = 32819,
    SimulateDepth = 32792,
    Separator = 0,
};

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
    CommandId id;
    const char* text;     // menu text with '&'; the menu shows the shortcut beside it
    const char* shortcut; // QKeySequence text, may be empty; the one place the key is written
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
    std::vector<CommandId> items;
};

namespace CommandTable
{
std::span<const CommandInfo> Commands();
const CommandInfo* Find(CommandId id);

std::vector<MenuLayout> MenusWithoutDrawing();
std::vector<MenuLayout> MenusWithDrawing();

// Toolbar buttons in order. Every id has a row, or is still to come and left out when built.
std::vector<CommandId> Toolbar1();
std::vector<CommandId> Toolbar2();

// The commands that have an id and a toolbar place but are not built yet: no row, no button.
std::span<const CommandId> StillToCome();
bool IsStillToCome(CommandId id);
} // namespace CommandTable
