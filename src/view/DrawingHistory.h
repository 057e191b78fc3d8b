#pragma once

#include <array>
#include <functional>

struct DrawingState;

// The slider state that Clear (and later Cut and Paste) put aside for their undo.
struct SavedSliderState
{
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    int sectionCount = 0;
    int sectionBase = 0;
};

// Sections, the history position and one level of undo/redo for one drawing window.
class DrawingHistory
{
public:
    explicit DrawingHistory(DrawingState& state) : m_s(state) {}

    void AddSectionBoundary(int n);
    void TruncateHistory();
    void RefreshHistorySlider();
    void FinishPendingClear();

    bool CanUndo() const;
    void Undo();
    // After Simulate Depth or its undo: the picture in the colours now recorded.
    void RedrawAfterDepth();
    // The Undo command's step for an undo state another part of the drawing owns (Cut,
    // Paste); the step sets the state that follows.
    void SetStep(int undoState, std::function<void()> step);
    bool CanClear() const;
    void Clear(); // after the user confirmed "Clear the drawing?"

    // The history slider: dragging snaps; releasing moves the history position.
    int SnapWhileDragging(int position);
    void ReleaseSlider(int position);
    void PreviousSection();
    void NextSection();

private:
    void RunStep(int undoState);
    void ForgetDrawingUndo();
    void SetSliderToSections(int maximum);
    void AddBoundaryTicks(bool skipLargest);
    void UndoDrawingStep();
    void RedoDrawingStep();
    void SwapDepthColors();
    void UndoClearStep();
    void RedoClearStep();

    DrawingState& m_s;
    int m_redoTarget = 0;
    SavedSliderState m_saved;
    std::array<std::function<void()>, 13> m_steps;
};
