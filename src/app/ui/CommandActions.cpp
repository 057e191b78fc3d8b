#include "app/ui/CommandActions.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QToolBar>
#include <QWidget>

#include "app/CommandIcons.h"

namespace
{
QIcon MakeIcon(CommandIcon kind)
{
    QIcon icon;
    if (kind == CommandIcon::None)
        return icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(QPixmap::fromImage(CommandIcons::Paint(kind, side)));
    return icon;
}

// Adds a separator unless the list so far is empty or already ends in one.
void AddSeparator(QWidget& target, bool& pending)
{
    if (!target.actions().isEmpty() && !target.actions().last()->isSeparator())
        pending = true;
}
} // namespace

CommandActions::CommandActions(QWidget* owner) : QObject(owner), m_owner(owner)
{
    m_registry.SetListener([this](CommandId id) { Update(id); });
}

QAction* CommandActions::MakeAction(const CommandInfo& info)
{
    auto* action = new QAction(MakeIcon(info.icon), QString::fromUtf8(info.text), m_owner);
    action->setData(static_cast<int>(info.id));
    QList<QKeySequence> keys{QKeySequence(QString::fromLatin1(info.shortcut))};
    if (*info.altShortcut)
        keys.append(QKeySequence(QString::fromLatin1(info.altShortcut)));
    action->setShortcuts(keys); // the menu shows the first beside the text
    action->setStatusTip(QString::fromUtf8(info.prompt));
    action->setToolTip(QString::fromUtf8(info.tooltip));
    action->setIconText(QString::fromUtf8(info.tooltip)); // what a toolbar button without a picture shows
    action->setWhatsThis(QString::fromUtf8(info.prompt));
    action->setCheckable(info.kind == CommandKind::Checkable);
    action->setEnabled(false);
    const CommandId id = info.id;
    connect(action, &QAction::triggered, this, [this, id] { Trigger(id); });
    m_owner->addAction(action);
    return action;
}

QAction* CommandActions::Action(CommandId id)
{
    if (auto found = m_actions.find(id); found != m_actions.end())
        return found->second;
    const CommandInfo* info = CommandTable::Find(id);
    if (!info)
        return nullptr;
    QAction* action = MakeAction(*info);
    m_actions.emplace(id, action);
    return action;
}

void CommandActions::Update(CommandId id)
{
    if (QAction* action = Action(id))
        UpdateAction(*action);
}

void CommandActions::Trigger(CommandId id)
{
    const CommandRegistry::Entry* entry = m_registry.Find(id);
    if (!entry || !entry->run)
        return;
    // Copied: a command may register commands while it runs.
    const CommandRegistry::Run run = entry->run;
    run();
    Update(id);
}

void CommandActions::UpdateAction(QAction& action)
{
    const CommandRegistry::Entry* entry = m_registry.Find(CommandId{action.data().toInt()});
    if (!entry) {
        action.setEnabled(false);
        return;
    }
    action.setEnabled(true);
    if (entry->update)
        entry->update(action);
}

void CommandActions::UpdateAll()
{
    for (auto& [id, action] : m_actions)
        UpdateAction(*action);
}

QMenu* CommandActions::BuildMenu(const MenuLayout& layout, QWidget* parent)
{
    auto* menu = new QMenu(QString::fromUtf8(layout.title), parent);
    bool separatorPending = false;
    for (CommandId id : layout.items) {
        if (id == CommandId::Separator) {
            AddSeparator(*menu, separatorPending);
            continue;
        }
        QAction* action = Action(id);
        if (!action && id != CommandId::RecentFile)
            continue;
        if (separatorPending)
            menu->addSeparator();
        separatorPending = false;
        if (action) {
            menu->addAction(action);
            continue;
        }
        // An invisible marker: the frame lists the recent files just above it.
        QAction* marker = menu->addAction(QString());
        marker->setObjectName(QStringLiteral("recentFiles"));
        marker->setVisible(false);
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && action->data().isValid())
                UpdateAction(*action);
    });
    if (menu->actions().isEmpty()) {
        delete menu;
        return nullptr;
    }
    return menu;
}

void CommandActions::FillToolbar(QToolBar& toolbar, const std::vector<CommandId>& ids)
{
    bool separatorPending = false;
    for (CommandId id : ids) {
        if (id == CommandId::Separator) {
            AddSeparator(toolbar, separatorPending);
            continue;
        }
        QAction* action = Action(id);
        if (!action) {
            // Only a command still to come has no row; its button waits until it is built.
            Q_ASSERT(CommandTable::IsStillToCome(id));
            continue;
        }
        if (separatorPending)
            toolbar.addSeparator();
        separatorPending = false;
        toolbar.addAction(action);
    }
}
