#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QString>

class QMainWindow;
class QMenu;
class CommandActions;
class RecentFileList;

// The frame's menu bar: one set of menus while no drawing is open and another while one
// is, both built once from the command table; the recent files listed where the table
// marks them, and the Tip of the Day item kept at the top of the Help menu.
class FrameMenus final : public QObject
{
    Q_OBJECT

public:
    using OpenFile = std::function<void(const QString& path)>;

    FrameMenus(QMainWindow& frame, CommandActions& commands, const RecentFileList& recent,
               OpenFile openRecent);

    void Install(bool withDrawing);
    QMenu* HelpMenu() const;

private:
    void EnsureTipItem();
    void ListRecentFiles(QMenu& menu);

    QMainWindow& m_frame;
    CommandActions& m_commands;
    const RecentFileList& m_recent;
    OpenFile m_openRecent;
    std::vector<QMenu*> m_withoutDrawing;
    std::vector<QMenu*> m_withDrawing;
    QMenu* m_createdHelpMenu = nullptr;
};
