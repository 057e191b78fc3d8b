#include "app/ui/ViewContextMenu.h"

#include <QAction>
#include <QMenu>

#include "app/CommandTable.h"
#include "app/ui/CommandActions.h"
#include "view/ui/CDaubrixView.h"

using enum CommandId;

namespace
{
struct MenuItem
{
    CommandId id; // Separator between groups
    const char* text;
};

const MenuItem kItems[] = {
    {SaveImage, "&Save Image"},
    {Separator, ""},
    {Regenerate, "&Regenerate\tCtrl+R"},
    {Clear, "&Clear\tCtrl+W"},
    {Separator, ""},
    {BackgroundColor, "&Background Color"},
    {Separator, ""},
    {LoadBackground, "&Load background"},
    {RemoveBackground, "R&emove background"},
};
} // namespace

void ViewContextMenu::AdoptView(CDaubrixView* view)
{
    connect(view, &CDaubrixView::ContextMenuWanted, this,
            [this](CDaubrixView* v, QPoint at) { Show(*v, at); });
}

void ViewContextMenu::Show(CDaubrixView& view, QPoint globalPos)
{
    QMenu menu(&view);
    // Closing the menu with a click outside it must not start a stroke there.
    menu.setAttribute(Qt::WA_NoMouseReplay);
    for (const MenuItem& item : kItems) {
        if (item.id == Separator) {
            menu.addSeparator();
            continue;
        }
        QAction* command = m_actions.Action(item.id);
        if (!command)
            continue; // a command still to come is left out, not greyed
        m_actions.UpdateAction(*command);
        QAction* shown = menu.addAction(QString::fromLatin1(item.text));
        shown->setEnabled(command->isEnabled());
        shown->setCheckable(command->isCheckable());
        shown->setChecked(command->isChecked());
        connect(shown, &QAction::triggered, command, [command] { command->trigger(); });
    }
    menu.exec(globalPos);
}
