#pragma once

#include <span>
#include <vector>

#include <QPoint>

#include "model/CColorChange.h"
#include "model/CGlob.h"
#include "model/OutOfMemoryGuard.h"

// A run of globs with their colour changes, lifted out of a drawing with an origin point:
// the clipboard and the drawing pattern are one each, owned by the application.
class GlobRunStore
{
public:
    void SetMessageSink(MessageSink sink) { m_guard.report = std::move(sink); }
    void SetAllocationProbe(std::function<void()> probe) { m_guard.probe = std::move(probe); }

    // False (after "Out of Memory") when the record could not be stored.
    bool AddGlob(int x, int y, int shape);
    bool AddColorChange(int globIndex, int hue, int saturation, int value);
    // All of the globs or, after "Out of Memory", none of them.
    bool AddGlobs(std::span<const CGlob> globs);
    void Clear();

    const std::vector<CGlob>& Globs() const { return m_globs; }
    const std::vector<CColorChange>& ColorChanges() const { return m_changes; }
    int GlobCount() const { return int(m_globs.size()); }
    int ColorChangeCount() const { return int(m_changes.size()); }
    bool IsEmpty() const { return m_globs.empty(); }

    QPoint origin;

private:
    std::vector<CGlob> m_globs;
    std::vector<CColorChange> m_changes;
    OutOfMemoryGuard m_guard;
};
