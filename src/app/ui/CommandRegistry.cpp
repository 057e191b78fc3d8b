#include "app/ui/CommandRegistry.h"

void CommandRegistry::Add(CommandId id, Run run, Update update)
{
    Entry& entry = m_entries[id];
    entry.run = std::move(run);
    entry.update = std::move(update);
    ++entry.registrations;
    if (m_added)
        m_added(id);
}

const CommandRegistry::Entry* CommandRegistry::Find(CommandId id) const
{
    const auto found = m_entries.find(id);
    return found == m_entries.end() ? nullptr : &found->second;
}
