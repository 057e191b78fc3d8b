#pragma once

#include <QByteArray>

#include "color/HsvColor.h"
#include "model/DrawingFileErrors.h"
#include "model/GlobStore.h"

class BackgroundHost;
struct DrawingContents;

// One drawing: it holds its record lists and size (the glob store) and keeps its background
// colour, print size and undo state, and its file. Reports messages through the store's
// sink; never shows anything itself.
class CDaubrixDoc
{
public:
    static constexpr int kMinSize = 100;
    static constexpr int kMaxSize = 2048;

    explicit CDaubrixDoc(ShapeTable& shapes) : m_records(shapes) {}

    // The drawing's globs, colour changes, sections and size.
    GlobStore& Records() { return m_records; }
    const GlobStore& Records() const { return m_records; }

    // A confirmed New Drawing: the size must lie in 100..2048.
    bool NewDrawing(int width, int height);

    int PrintSize() const { return m_printSize; }
    void SetPrintSize(int dotsPerUnit) { m_printSize = dotsPerUnit; }
    RgbColor BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(RgbColor color) { m_backgroundColor = color; }
    bool HasBackgroundImage() const { return m_backgroundImage; }
    void SetBackgroundImage(bool attached) { m_backgroundImage = attached; }
    bool IsUndoImageValid() const { return m_undoImageValid; }
    void SetUndoImageValid(bool valid) { m_undoImageValid = valid; }
    int UndoState() const { return m_undoState; }
    void SetUndoState(int state) { m_undoState = std::uint8_t(state); }

    // The window that holds the background picture; none for a drawing without a window.
    void SetBackgroundHost(BackgroundHost* host) { m_host = host; }
    // On displays that cannot show a background the stored picture is not loaded.
    void SetLowColorMode(bool lowColor) { m_lowColor = lowColor; }

    // The drawing file's bytes, or why they could not be made.
    SavedDrawing Save();
    // Reads a drawing file's bytes. A failed read leaves the document as it was.
    LoadError Load(const QByteArray& bytes);

private:
    QByteArray BackgroundForSaving();
    void TakeContents(DrawingContents& contents);
    void TakeBackground(DrawingContents& contents);
    void Tell(const char* text) const;

    GlobStore m_records;
    BackgroundHost* m_host = nullptr;
    bool m_lowColor = false;
    int m_printSize = 100;
    bool m_backgroundImage = false;
    RgbColor m_backgroundColor = 0;
    bool m_undoImageValid = false;
    std::uint8_t m_undoState = 0;
};
