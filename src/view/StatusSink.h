#pragma once

#include <QString>

// Where long replays report to: the status bar's text and progress panes and the wait
// cursor in the program, nothing on the command line.
class StatusSink
{
public:
    virtual ~StatusSink() = default;
    virtual QString StatusText() const { return {}; }
    virtual void SetStatusText(const QString&) {}
    virtual void SetProgressText(const QString&) {}
    virtual void SetWaitCursor(bool) {}
};
