#pragma once

#include <array>

#include <QObject>

class QLabel;
class QStatusBar;

// The status bar's CAP, NUM and SCRL panes: each shows only while its lock is on, as read
// from the X server's keyboard indicators. Where they cannot be read they stay hidden.
class LockIndicators final : public QObject
{
    Q_OBJECT

public:
    explicit LockIndicators(QStatusBar& bar);

    // Reads the locks again; called from the frame's idle update.
    void Refresh();

private:
    std::array<QLabel*, 3> m_labels{};
    std::array<int, 3> m_indices{-1, -1, -1};
};
