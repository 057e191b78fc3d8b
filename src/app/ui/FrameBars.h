#pragma once

#include <array>

#include <QObject>
#include <QString>

class CommandActions;
class LockIndicators;
class QLabel;
class QMainWindow;
class QToolBar;
class QWidget;

// The frame's two toolbars, filled from the command table, and its status bar: the prompt
// pane, the progress pane and the lock indicators; their shown state kept between runs.
class FrameBars final : public QObject
{
    Q_OBJECT

public:
    FrameBars(QMainWindow& frame, CommandActions& commands);

    QToolBar* Toolbar1() const { return m_toolbar1; }
    QToolBar* Toolbar2() const { return m_toolbar2; }
    // The two toolbars and the status bar, in that order, as the screen stages hide them.
    std::array<QWidget*, 3> All() const;

    void ShowProgress(int percent);
    void ClearProgress();
    void SetPaneText(int pane, const QString& text);
    QString PaneText(int pane) const;
    void RefreshLocks();

    void RestoreState();
    void SaveState();

private:
    void CreateToolbars(CommandActions& commands);
    void CreateStatusBar();

    QMainWindow& m_frame;
    QToolBar* m_toolbar1 = nullptr;
    QToolBar* m_toolbar2 = nullptr;
    QLabel* m_pane0 = nullptr;
    QLabel* m_pane1 = nullptr;
    LockIndicators* m_locks = nullptr;
};
