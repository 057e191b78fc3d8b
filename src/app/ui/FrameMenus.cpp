#include "app/ui/FrameMenus.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/CommandTable.h"
#include "app/RecentFileList.h"
#include "app/ui/CommandActions.h"

namespace
{
const QString kHelpTitle = QStringLiteral("&Help");
}

FrameMenus::FrameMenus(QMainWindow& frame, CommandActions& commands,
                       const RecentFileList& recent, OpenFile openRecent)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_recent(recent),
      m_openRecent(std::move(openRecent))
{
}

QMenu* FrameMenus::HelpMenu() const
{
    for (QAction* action : m_frame.menuBar()->actions()) {
        if (action->menu() && action->text() == kHelpTitle)
            return action->menu();
    }
    return nullptr;
}

void FrameMenus::Install(bool withDrawing)
{
    std::vector<QMenu*>& menus = withDrawing ? m_withDrawing : m_withoutDrawing;
    if (menus.empty()) {
        const auto layouts = withDrawing ? CommandTable::MenusWithDrawing()
                                         : CommandTable::MenusWithoutDrawing();
        for (const MenuLayout& layout : layouts) {
            if (QMenu* menu = m_commands.BuildMenu(layout, &m_frame))
                menus.push_back(menu);
        }
        for (QMenu* menu : menus) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                EnsureTipItem();
                ListRecentFiles(*menu);
            });
        }
    }
    m_frame.menuBar()->clear();
    for (QMenu* menu : menus)
        m_frame.menuBar()->addMenu(menu);
    EnsureTipItem();
}

void FrameMenus::EnsureTipItem()
{
    QAction* tip = m_commands.Action(CommandId::TipOfTheDay);
    QMenu* help = HelpMenu();
    if (!help) {
        if (!m_createdHelpMenu)
            m_createdHelpMenu = new QMenu(kHelpTitle, &m_frame);
        m_createdHelpMenu->addAction(tip);
        m_frame.menuBar()->addMenu(m_createdHelpMenu);
        return;
    }
    const QList<QAction*> items = help->actions();
    if (!items.isEmpty() && items.first()->text() == tip->text())
        return;
    QAction* first = items.isEmpty() ? nullptr : items.first();
    help->insertAction(first, tip);
    help->insertSeparator(first);
}

void FrameMenus::ListRecentFiles(QMenu& menu)
{
    QAction* marker = nullptr;
    for (QAction* action : menu.actions()) {
        if (action->property("recentFile").isValid()) {
            menu.removeAction(action);
            action->deleteLater();
        } else if (action->objectName() == QLatin1String("recentFiles")) {
            marker = action;
        }
    }
    if (!marker)
        return;
    const QStringList files = m_recent.Files();
    for (int i = 0; i < files.size(); ++i) {
        const QString name = QFileInfo(files[i]).fileName();
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name), &menu);
        item->setProperty("recentFile", files[i]);
        item->setStatusTip(QStringLiteral("Open %1").arg(files[i]));
        connect(item, &QAction::triggered, this, [this, path = files[i]] { m_openRecent(path); });
        menu.insertAction(marker, item);
    }
    if (files.isEmpty()) {
        auto* none = new QAction(QStringLiteral("Recent File"), &menu);
        none->setProperty("recentFile", QString());
        none->setEnabled(false);
        menu.insertAction(marker, none);
    }
}
