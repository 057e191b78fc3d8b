#pragma once

#include <functional>
#include <map>

#include "app/CommandTable.h"

class QAction;

// What each command does and how its menu item and toolbar button show it, found by id.
// Every command family's home class registers its commands here, each once.
class CommandRegistry final
{
public:
    using Run = std::function<void()>;
    using Update = std::function<void(QAction&)>;

    struct Entry
    {
        Run run;
        Update update;     // enable, check, text; the action is enabled before it runs
        int registrations = 0; // more than one means two homes claim the command
    };

    // The update for commands that are always there to run.
    static void AlwaysEnabled(QAction&) {}

    // A second registration of an id replaces the first and is counted.
    void Add(CommandId id, Run run, Update update);
    const Entry* Find(CommandId id) const;

    // Told of every registration, so the command's action can show it at once.
    void SetListener(std::function<void(CommandId)> added) { m_added = std::move(added); }

private:
    std::map<CommandId, Entry> m_entries;
    std::function<void(CommandId)> m_added;
};
