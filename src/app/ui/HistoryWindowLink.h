#pragma once

#include <QObject>
#include <QPointer>

class CDaubrixView;
class CHistoryWnd;
class CMainFrame;
class QMdiArea;
class QMdiSubWindow;
class WorkspaceViews;

// The Drawing History palette and the drawing window it follows: the active window's
// history, a refresh only when the focus comes from another drawing window, letting go of
// a window before it closes, and keys typed into the palette passed on to the drawing.
class HistoryWindowLink final : public QObject
{
    Q_OBJECT

public:
    HistoryWindowLink(CMainFrame& frame, const WorkspaceViews& views, QMdiArea& workspace);
    ~HistoryWindowLink() override;

    // A new drawing window: the history window lets go of it before it goes.
    void AdoptView(CDaubrixView* view);

private:
    void ViewActivated(QMdiSubWindow* window);
    void ViewFocused(CDaubrixView* view);

    const WorkspaceViews& m_views;
    QPointer<CHistoryWnd> m_history;
    QPointer<CDaubrixView> m_lastFocusLost;
};
