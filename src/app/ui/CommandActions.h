#pragma once

#include <functional>
#include <map>
#include <vector>

#include <QObject>

#include "app/CommandTable.h"

class QAction;
class QMenu;
class QToolBar;
class QWidget;

// The QAction of every command in the command table, with its handler and update function
// found by id. A command without a handler stays disabled.
class CommandActions final : public QObject
{
    Q_OBJECT

public:
    using Run = std::function<void()>;
    using Update = std::function<void(QAction&)>;

    // Actions are added to owner so that their shortcuts work in all its child windows.
    explicit CommandActions(QWidget* owner);

    QAction* Action(CommandId id); // null when the table has no row for id
    void SetHandler(CommandId id, Run run, Update update = {});
    bool HasHandler(CommandId id) const { return m_handlers.contains(id); }
    void Trigger(CommandId id);

    void UpdateAction(QAction& action);
    void UpdateAll();

    // A menu of the commands that exist, or null when none of its commands exists.
    QMenu* BuildMenu(const MenuLayout& layout, QWidget* parent);
    void FillToolbar(QToolBar& toolbar, const std::vector<CommandId>& ids);

private:
    struct Handler
    {
        Run run;
        Update update;
    };

    QAction* MakeAction(const CommandInfo& info);

    QWidget* m_owner;
    std::map<CommandId, QAction*> m_actions;
    std::map<CommandId, Handler> m_handlers;
};
