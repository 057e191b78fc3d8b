#pragma once

#include <vector>

#include "app/CommandTable.h"

// Every toolbar button's command, toolbar 1 then toolbar 2.
inline std::vector<CommandId> ToolbarIds()
{
    std::vector<CommandId> ids = CommandTable::Toolbar1();
    const std::vector<CommandId> second = CommandTable::Toolbar2();
    ids.insert(ids.end(), second.begin(), second.end());
    return ids;
}
