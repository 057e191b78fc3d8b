#include <set>

#include <gtest/gtest.h>

#include "app/CommandTable.h"

namespace
{
std::vector<CommandId> ToolbarIds()
{
    std::vector<CommandId> ids = CommandTable::Toolbar1();
    const std::vector<CommandId> second = CommandTable::Toolbar2();
    ids.insert(ids.end(), second.begin(), second.end());
    return ids;
}
} // namespace

// A toolbar button is left out only on purpose: its command is on the still-to-come list.
TEST(CommandTable, EveryToolbarIdHasARowOrIsStillToCome)
{
    for (CommandId id : ToolbarIds()) {
        if (id == CommandId::Separator)
            continue;
        const bool row = CommandTable::Find(id) != nullptr;
        EXPECT_TRUE(row || CommandTable::IsStillToCome(id)) << static_cast<int>(id);
    }
}

// The list says what is not built yet: a command that gets its row leaves the list.
TEST(CommandTable, NoCommandStillToComeHasARowAndEachIsListedOnce)
{
    std::set<CommandId> seen;
    for (CommandId id : CommandTable::StillToCome()) {
        EXPECT_EQ(CommandTable::Find(id), nullptr) << static_cast<int>(id);
        EXPECT_TRUE(seen.insert(id).second) << static_cast<int>(id);
    }
}

TEST(CommandTable, NoTwoRowsShareAnId)
{
    std::set<CommandId> ids;
    for (const CommandInfo& info : CommandTable::Commands())
        EXPECT_TRUE(ids.insert(info.id).second) << info.tooltip;
}
