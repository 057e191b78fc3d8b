#pragma once

#include <QImage>

#include "view/ReplayColors.h"

class CDaubrixDoc;
class DrawingCanvas;
class ShapeTable;

// The pictures of a movie of the drawing being made: the paper with its background picture,
// then the globs replayed by the canvas's own path, each frame adding only the globs since
// the one before. Frame n equals the drawing replayed up to n globs.
class MovieFrames
{
public:
    MovieFrames(const DrawingCanvas& canvas, const ShapeTable& shapes, int globCount);

    // The picture with the first `globs` globs; a movie never goes back.
    const QImage& ShowUpTo(int globs);
    int Shown() const { return m_shown; }
    const QImage& Picture() const { return m_picture; }

private:
    const DrawingCanvas& m_canvas;
    ReplayColors m_colors;
    QImage m_picture;
    int m_globCount;
    int m_shown = 0;
};
