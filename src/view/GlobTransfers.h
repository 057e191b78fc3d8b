#pragma once

#include <QPoint>

#include "color/HsvColor.h"
#include "imaging/TransferStores.h"
#include "view/DrawingHistory.h"

class CDaubrixDoc;
class StrokeEngine;
struct DrawingState;

// Cut, Copy, Paste and Define Pattern in one drawing window, at its history position, with
// the undo and redo of Cut and Paste. What the last Cut or Paste needs for its undo is kept
// here, per window, so a paste elsewhere cannot confuse it.
class GlobTransfers
{
public:
    GlobTransfers(DrawingState& state, DrawingHistory& history, StrokeEngine& strokes);

    // Cut, Copy and Define Pattern need a glob before the history position.
    bool CanTake() const;
    void Copy(GlobRunStore& clip, RunRange range);
    void Cut(GlobRunStore& clip, RunRange range);
    void Paste(const GlobRunStore& clip, RunColors colors);
    void DefinePattern(GlobRunStore& pattern, RunRange range);

    // The clip store is about to be replaced: an undo of a cut or a redo of a paste in this
    // drawing would need the old one, so they are no longer offered.
    static void ForgetClipUndo(CDaubrixDoc& doc);

private:
    void RemoveCutGlobs(int s);
    void PasteClipGlobs();
    int PlaceDrifting(int p, QPoint offset, HsvColor colorAtP);
    void SaveForUndo(int undoState);
    void RestoreForUndo();
    void ShowBoundaryTicks();
    void AddPastedSection(int p, int n);
    HsvColor ColorsWindowColor() const;
    void UndoCutStep();
    void RedoCutStep();
    void UndoPasteStep();
    void RedoPasteStep();

    DrawingState& m_s;
    DrawingHistory& m_history;
    StrokeEngine& m_strokes;
    const GlobRunStore* m_clip = nullptr; // the store the last Cut or Paste used
    int m_redoTarget = 0;
    SavedSliderState m_saved;

    RunRange m_cutRange = RunRange::EntireDrawing;
    int m_cutStart = 0;
    int m_cutCount = 0;
    bool m_cutMovedUndoBase = false; // the undo base lay at or after the cut run's end

    RunColors m_pasteColors = RunColors::Preserve;
    int m_pastePosition = 0;
    int m_pasteCount = 0;
    HsvColor m_pasteColorsWindow; // the Colors window's colour as the paste began
};
