#pragma once

#include <QCursor>

struct DrawingTools;

// Which pointer a drawing window shows: a mode's own while a mode's click waits, otherwise
// the current shape's outline (the arrow for a shape without one).
class ViewCursors
{
public:
    // Returns true (and the cursor) when the choice differs from the last one asked for.
    bool Changed(const DrawingTools& tools, QCursor& cursor);

private:
    int m_lastChoice = -2; // nothing chosen yet
};
