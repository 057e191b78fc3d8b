#pragma once

#include <QPoint>

#include "color/HsvColor.h"
#include "imaging/TransferStores.h"

class GlobStore;

// The record work of Cut, Copy, Paste and Define Pattern on a drawing's lists; the drawing
// window's history, slider and canvas are the caller's.
namespace GlobRunRecords
{
// The first glob a run taken at history position p begins with.
int RunStart(const GlobStore& records, int p, RunRange range);
// The colour glob `index` is drawn with: its own colour change, else the last one before it;
// `fallback` when the drawing has none.
HsvColor ColorInEffect(const GlobStore& records, int index, HsvColor fallback);

// Empties the store and fills it with globs s..p-1, their colours relative to s (the first
// one always at 0) and the origin. False when memory ran out for the globs: the store is empty.
bool FillRunStore(GlobRunStore& store, const GlobStore& records, int s, int p, QPoint origin);

// Takes globs s..p-1 out; the globs after them keep their colour, and the sections close up.
void RemoveRun(GlobStore& records, int s, int p, RunRange range, HsvColor colorAtP);

// Lays the run at p, moved by offset, before the globs from p on (which keep their colour).
// Preserve: the globs keep the colours they were taken with. UseNew: each takes its shape's
// colour of the moment. Returns the number laid: all of them, or 0 when memory ran out.
int InsertRun(GlobStore& records, int p, const GlobRunStore& run, QPoint offset, RunColors colors,
              HsvColor colorAtP);

// The globs from p on are about to move up by n: their colour is recorded at p first.
void KeepColorAfter(GlobStore& records, int p, int n, HsvColor colorAtP);
} // namespace GlobRunRecords
