#pragma once

class CommandRegistry;
class PaletteList;

// The View family's palette toggles: Shapes, Colors and Drawing History, each enabled once
// its palette is registered and checked while it shows.
class PaletteToggleCommands final
{
public:
    PaletteToggleCommands(CommandRegistry& registry, PaletteList& palettes);

private:
    PaletteList& m_palettes;
};
