#include "view/MovieFrames.h"

#include <algorithm>

#include "view/DrawingCanvas.h"

MovieFrames::MovieFrames(const DrawingCanvas& canvas, const ShapeTable& shapes, int globCount)
    : m_canvas(canvas), m_colors(shapes), m_picture(canvas.Size(), QImage::Format_RGB32),
      m_globCount(globCount)
{
    m_canvas.ClearCanvas(m_picture);
}

const QImage& MovieFrames::ShowUpTo(int globs)
{
    globs = std::clamp(globs, m_shown, m_globCount);
    m_canvas.ReplayOnto(m_picture, m_colors, m_shown, globs);
    m_shown = globs;
    return m_picture;
}
