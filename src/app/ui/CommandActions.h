#pragma once

#include <map>
#include <vector>

#include <QObject>

#include "app/CommandTable.h"
#include "app/ui/CommandRegistry.h"

class QAction;
class QMenu;
class QToolBar;
class QWidget;

// The QAction of every command in the command table, run and updated through the command
// registry by id, and the menus and toolbars made of them. A command whose home has not
// registered it stays disabled.
class CommandActions final : public QObject
{
    Q_OBJECT

public:
    // Actions are added to owner so that their shortcuts work in all its child windows.
    explicit CommandActions(QWidget* owner);

    QAction* Action(CommandId id); // null when the table has no row for id
    // Where the command homes register what each command does.
    CommandRegistry& Registry() { return m_registry; }
    const CommandRegistry& Registry() const { return m_registry; }
    void Trigger(CommandId id);

    void Update(CommandId id);
    void UpdateAction(QAction& action);
    void UpdateAll();

    // A menu of the commands that exist, or null when none of its commands exists.
    QMenu* BuildMenu(const MenuLayout& layout, QWidget* parent);
    void FillToolbar(QToolBar& toolbar, const std::vector<CommandId>& ids);

private:
    QAction* MakeAction(const CommandInfo& info);

    QWidget* m_owner;
    std::map<CommandId, QAction*> m_actions;
    CommandRegistry m_registry;
};
