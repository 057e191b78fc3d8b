#include <set>

#include <gtest/gtest.h>

#include "ToolbarIds.h"
#include "app/CommandTable.h"
#include "app/ui/CommandRegistry.h"

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

// A second home claiming a command is counted, so the whole-table test can find it.
TEST(CommandRegistry, CountsEveryRegistrationOfAnId)
{
    CommandRegistry registry;
    std::vector<CommandId> told;
    registry.SetListener([&told](CommandId id) { told.push_back(id); });
    int runs = 0;
    registry.Add(CommandId::Undo, [&runs] { ++runs; }, CommandRegistry::AlwaysEnabled);
    ASSERT_NE(registry.Find(CommandId::Undo), nullptr);
    EXPECT_EQ(registry.Find(CommandId::Undo)->registrations, 1);
    registry.Add(CommandId::Undo, [&runs] { runs += 10; }, CommandRegistry::AlwaysEnabled);
    EXPECT_EQ(registry.Find(CommandId::Undo)->registrations, 2);
    registry.Find(CommandId::Undo)->run();
    EXPECT_EQ(runs, 10);
    EXPECT_EQ(registry.Find(CommandId::Clear), nullptr);
    EXPECT_EQ(told, std::vector<CommandId>({CommandId::Undo, CommandId::Undo}));
}
