#include "model/GlobRunStore.h"

bool GlobRunStore::AddGlob(int x, int y, int shape)
{
    return m_guard.Run([&] { m_globs.emplace_back(x, y, shape); });
}

bool GlobRunStore::AddColorChange(int globIndex, int hue, int saturation, int value)
{
    return m_guard.Run([&] { m_changes.emplace_back(globIndex, hue, saturation, value); });
}

bool GlobRunStore::AddGlobs(std::span<const CGlob> globs)
{
    return m_guard.Run([&] { m_globs.insert(m_globs.end(), globs.begin(), globs.end()); });
}

void GlobRunStore::Clear()
{
    // Give the memory back: a big clip or pattern should not stay allocated.
    m_globs = {};
    m_changes = {};
}
