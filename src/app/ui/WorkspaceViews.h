#pragma once

#include <vector>

class CDaubrixView;
class QAction;
class QMdiArea;

// The drawing views in the frame's workspace, and the one the user is working in.
class WorkspaceViews final
{
public:
    explicit WorkspaceViews(const QMdiArea& workspace) : m_workspace(workspace) {}

    CDaubrixView* Active() const; // the active window's view, else the current one's
    std::vector<CDaubrixView*> All() const;
    // The update of commands that need a drawing window: enabled while there is one.
    void EnableWhileActive(QAction& action) const;

private:
    const QMdiArea& m_workspace;
};
