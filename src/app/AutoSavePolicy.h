#pragma once

#include <QtGlobal>

// When a drawing's recovery copy is due: a set time after the first change that no copy
// holds yet. A drawing left alone gets no further copies; one drawn on for a long time gets
// one every interval.
class AutoSavePolicy
{
public:
    // intervalMs 0 or less: copies are never due.
    explicit AutoSavePolicy(qint64 intervalMs) : m_interval(intervalMs) {}

    bool Enabled() const { return m_interval > 0; }
    // The drawing changed at nowMs; the first change since the last copy starts the clock.
    void Changed(qint64 nowMs);
    bool Due(qint64 nowMs) const;
    bool Pending() const { return m_changedAt >= 0; }
    // A copy (or the user's own save) now holds every change.
    void Covered() { m_changedAt = -1; }

private:
    qint64 m_interval;
    qint64 m_changedAt = -1;
};
