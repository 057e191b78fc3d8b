#include "app/ui/PaletteToggleCommands.h"

#include <QAction>

#include "app/ui/CommandRegistry.h"
#include "app/ui/PaletteList.h"

using enum CommandId;

PaletteToggleCommands::PaletteToggleCommands(CommandRegistry& registry, PaletteList& palettes)
    : m_palettes(palettes)
{
    for (CommandId id : {ToggleShapes, ToggleColors, ToggleHistory}) {
        registry.Add(
            id, [this, id] { m_palettes.Toggle(id); },
            [this, id](QAction& action) {
                // Without its palette the toggle has nothing to show.
                action.setEnabled(m_palettes.Has(id));
                action.setChecked(m_palettes.IsVisible(id));
            });
    }
}
