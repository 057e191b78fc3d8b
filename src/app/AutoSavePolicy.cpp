#include "app/AutoSavePolicy.h"

void AutoSavePolicy::Changed(qint64 nowMs)
{
    if (m_changedAt < 0)
        m_changedAt = nowMs;
}

bool AutoSavePolicy::Due(qint64 nowMs) const
{
    return Enabled() && Pending() && nowMs - m_changedAt >= m_interval;
}
