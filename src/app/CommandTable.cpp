#include "app/CommandTable.h"

#include <algorithm>

using enum CommandId;

namespace
{
constexpr CommandKind P = CommandKind::Plain;
constexpr CommandKind C = CommandKind::Checkable;

const CommandInfo kCommands[] = {
    {LoadBackground, "&Load background", "", "Put a picture behind the drawing", "Load background",
     CommandIcon::None, C},
    {RemoveBackground, "&Remove background", "", "Take the picture away from behind the drawing",
     "Remove background", CommandIcon::None, P},
    {SaveImage, "&Save", "", "Save the image to a file", "Save image", CommandIcon::None, P},
    {CreateMovie, "&Create movie", "", "Create movie or image sequence of regeneration", "Create movie",
     CommandIcon::None, P},
    {BackgroundColor, "&Background Color", "", "Make the current colour the drawing's background",
     "Background Color", CommandIcon::None, P},
    {ImportImage, "&Import", "", "Turn a picture into globs of the current shape", "Import",
     CommandIcon::None, P},
    {Undo, "&Undo", "Ctrl+Z", "Undo or Redo the last action", "Undo", CommandIcon::Undo, P,
     "Alt+Backspace"},
    {Clear, "&Clear", "Ctrl+W", "Clear the drawing; Undo brings it back", "Clear",
     CommandIcon::Clear, P},
    {Regenerate, "&Regenerate", "Ctrl+R", "Draw the whole drawing again", "Regenerate",
     CommandIcon::Regenerate, P},
    {Lines, "&Lines", "L", "Draw straight rows of globs between clicks; Ctrl toggles", "Lines",
     CommandIcon::Lines, C},
    {Jitter, "&Jitter", "J", "Scatter globs around the pointer; Ctrl toggles", "Jitter",
     CommandIcon::Jitter, C},
    {Skipping, "&Skipping", "S", "Leave out pointer moves between globs; Ctrl toggles",
     "Skipping", CommandIcon::Skipping, C},
    {MirrorHorizontal, "Mirror &Horizontal", "H", "Mirror globs left to right about the centre",
     "Mirror Horizontal", CommandIcon::MirrorHorizontal, C},
    {MirrorVertical, "Mirror &Vertical", "V", "Mirror globs top to bottom about the centre",
     "Mirror Vertical", CommandIcon::MirrorVertical, C},
    {MirrorBoth, "Mirror &Both", "B", "Mirror globs both ways about the centre", "Mirror Both",
     CommandIcon::MirrorBoth, C},
    {PolarMirror, "&Polar Mirror", "P", "Repeat globs around the centre; Ctrl toggles",
     "Polar Mirror", CommandIcon::PolarMirror, C},
    {MoveCenter, "&Move Center", "", "Click to place the centre of symmetry", "Move Center",
     CommandIcon::MoveCenter, C},
    {ResetCenter, "R&eset Center", "", "Put the centre of symmetry back in the middle",
     "Reset Center", CommandIcon::None, P},
    {AutoChangeHue, "AutoChange &Hue", "", "Set hue of color to change automatically",
     "Auto-Change Hue", CommandIcon::AutoChangeHue, C},
    {AutoChangeSat, "AutoChange &Sat", "", "Set saturation of color to change automatically",
     "Auto-Change Sat", CommandIcon::AutoChangeSat, C},
    {AutoChangeVal, "AutoChange &Val", "", "Set value (lightness) of color to change automatically",
     "Auto-Change Val", CommandIcon::AutoChangeVal, C},
    {SampleColor, "Sample &Color", "Ctrl+Alt+C", "Pick up a colour from the drawing with the next click",
     "Sample Color", CommandIcon::SampleColor, C},
    {SampleShape, "S&ample Shape", "Ctrl+Alt+S", "Pick up a glob's shape from the drawing with the next click",
     "Sample Shape", CommandIcon::SampleShape, C},
    {SimulateDepth, "Simulate &Depth", "Ctrl+D", "Shade or color the drawing to simulate depth",
     "Simulate Depth", CommandIcon::SimulateDepth, P},
    {Cut, "Cu&t", "Ctrl+X", "Take the drawing or its last section out, onto the clipboard", "Cut",
     CommandIcon::Cut, P},
    {Copy, "&Copy", "Ctrl+C", "Copy the drawing or its last section to the clipboard", "Copy",
     CommandIcon::Copy, P},
    {Paste, "&Paste", "Ctrl+V", "Lay the clipboard's globs in at the drawing's position", "Paste",
     CommandIcon::Paste, P},
    {DefinePattern, "D&efine Pattern", "Ctrl+E", "Make the drawing or its last section the pattern",
     "Define Pattern", CommandIcon::None, P},
    {Pattern, "P&attern", "A", "Each click stamps the pattern; Ctrl toggles", "Pattern",
     CommandIcon::Pattern, C},
    {FileNew, "&New", "Ctrl+N", "Create a new drawing", "New", CommandIcon::New, P},
    {FileOpen, "&Open...", "Ctrl+O", "Open an existing drawing", "Open",
     CommandIcon::Open, P},
    {FileClose, "&Close", "", "Close the active drawing", "Close", CommandIcon::None, P},
    {FileSave, "&Save", "Ctrl+S", "Save the active drawing", "Save", CommandIcon::Save,
     P},
    {FileSaveAs, "Save &As...", "", "Save the active drawing with a new name", "Save As",
     CommandIcon::None, P},
    {Print, "&Print...", "Ctrl+P", "Print the active drawing", "Print", CommandIcon::Print, P},
    {PrintPreview, "Print Pre&view", "", "Display full pages", "Print Preview",
     CommandIcon::PrintPreview, P},
    {SizeWhenPrinted, "Si&ze when printed", "", "Choose how large the drawing prints",
     "Size when printed", CommandIcon::None, P},
    {PrintSetup, "P&rint Setup...", "", "Change the printer and printing options",
     "Print Setup", CommandIcon::None, P},
    {Exit, "E&xit", "Ctrl+Q", "Quit Daubrix; asks to save drawings", "Exit",
     CommandIcon::None, P},
    {ToggleToolbar, "&Toolbar", "", "Show or hide the toolbar", "Toolbar", CommandIcon::None,
     C},
    {ToggleToolbar2, "Tool&bar 2", "", "Show or hide the other toolbar", "Toolbar 2",
     CommandIcon::None, C},
    {ToggleStatusBar, "&Status Bar", "", "Show or hide the status bar", "Status Bar",
     CommandIcon::None, C},
    {ToggleShapes, "&Shapes", "Ctrl+1", "Toggle display of Glob Shapes window",
     "Glob Shapes", CommandIcon::None, C},
    {ToggleColors, "C&olors", "Ctrl+2", "Toggle display of Colors window", "Colors",
     CommandIcon::None, C},
    {ToggleHistory, "&Drawing History", "Ctrl+3",
     "Toggle display of Drawing History window", "Drawing History", CommandIcon::None, C},
    {FullScreen, "&Full Screen", "Ctrl+F", "Enter or exit Full-screen mode",
     "Full Screen", CommandIcon::FullScreen, P},
    {DrawingInfo, "Drawing &Info...", "", "Show the size and contents of the drawing",
     "Drawing Info", CommandIcon::Info, P},
    {WindowCascade, "&Cascade", "", "Arrange drawing windows so they overlap",
     "Cascade Windows", CommandIcon::None, P},
    {WindowTile, "&Tile", "", "Arrange drawing windows as non-overlapping tiles",
     "Tile Windows", CommandIcon::None, P},
    {TipOfTheDay, "Ti&p of the Day...", "", "Displays a Tip of the Day.", "Tip of the Day",
     CommandIcon::Tip, P},
    {HelpTopics, "&Help Topics", "F1", "List Help topics", "Help Topics", CommandIcon::None, P},
    {ContextHelp, "What's &This?", "Shift+F1", "Display help for clicked buttons and menus",
     "Help", CommandIcon::ContextHelp, P},
    {About, "&About Daubrix...", "", "Display program information and version number",
     "About", CommandIcon::None, P},
};

MenuLayout FileMenu(bool withDrawing)
{
    if (!withDrawing)
        return {"&File", {FileNew, FileOpen, Separator, PrintSetup, Separator, RecentFile,
                          Separator, Exit}};
    return {"&File", {FileNew, FileOpen, FileClose, FileSave, FileSaveAs, Separator, Print,
                      PrintPreview, PrintSetup, Separator, RecentFile, Separator, Exit}};
}

MenuLayout ViewMenu(bool withDrawing)
{
    MenuLayout menu{"&View", {ToggleToolbar, ToggleToolbar2, ToggleStatusBar, Separator,
                              ToggleShapes, ToggleColors, ToggleHistory, Separator, FullScreen}};
    if (withDrawing) {
        // The symmetry around the centre, and Clear, are also at hand in the View menu.
        menu.items.insert(menu.items.end(), {Separator, MirrorHorizontal, MirrorVertical, MirrorBoth,
                                             PolarMirror, Separator, MoveCenter, ResetCenter,
                                             Separator, Clear});
    }
    return menu;
}

MenuLayout HelpMenu()
{
    return {"&Help", {HelpTopics, ContextHelp, Separator, About}};
}
} // namespace

std::span<const CommandInfo> CommandTable::Commands()
{
    return kCommands;
}

const CommandInfo* CommandTable::Find(CommandId id)
{
    const auto found = std::ranges::find(kCommands, id, &CommandInfo::id);
    return found == std::end(kCommands) ? nullptr : &*found;
}

std::vector<MenuLayout> CommandTable::MenusWithoutDrawing()
{
    return {FileMenu(false), ViewMenu(false), HelpMenu()};
}

std::vector<MenuLayout> CommandTable::MenusWithDrawing()
{
    return {FileMenu(true),
            {"&Edit", {Undo, Separator, Cut, Copy, Paste, Separator, DefinePattern}},
            ViewMenu(true),
            {"&Drawing", {Lines, Jitter, Skipping, Pattern, Separator, MirrorHorizontal, MirrorVertical,
                          MirrorBoth, PolarMirror, Separator, MoveCenter, ResetCenter, Separator,
                          Clear, Regenerate, Separator, DrawingInfo}},
            {"&Image", {LoadBackground, RemoveBackground, Separator, SaveImage, ImportImage,
                        Separator, SizeWhenPrinted, CreateMovie}},
            {"&Colors", {BackgroundColor, Separator, AutoChangeHue, AutoChangeSat, AutoChangeVal, Separator,
                         SampleColor, SampleShape, Separator, SimulateDepth}},
            {"&Window", {WindowCascade, WindowTile}},
            HelpMenu()};
}

std::vector<CommandId> CommandTable::Toolbar1()
{
    return {FileNew, FileOpen, FileSave, Separator, Cut, Copy, Paste, Separator,
            Print, PrintPreview, ContextHelp};
}

std::vector<CommandId> CommandTable::Toolbar2()
{
    return {Undo, Separator, MoveCenter, MirrorHorizontal, MirrorVertical, MirrorBoth,
            PolarMirror, Lines, Jitter, Skipping, Pattern, Separator, Regenerate, Clear,
            Separator, AutoChangeHue, AutoChangeSat, AutoChangeVal, SampleShape, SampleColor,
            Separator, SimulateDepth};
}

std::span<const CommandId> CommandTable::StillToCome()
{
    // Every toolbar button's command is built; a new button waiting for its command goes here.
    return {};
}

bool CommandTable::IsStillToCome(CommandId id)
{
    return std::ranges::find(StillToCome(), id) != StillToCome().end();
}
