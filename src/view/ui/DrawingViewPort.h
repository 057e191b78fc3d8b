#pragma once

#include <QPoint>
#include <QSize>

// What a drawing window's frame needs of the view it hosts: the drawing's size, and the
// offset that centres the drawing while the window is maximised.
class DrawingViewPort
{
public:
    virtual ~DrawingViewPort() = default;

    virtual QSize DrawingSize() const = 0;
    virtual QPoint DrawingOffset() const = 0;
    // Window coordinates = drawing coordinates - offset; a negative offset moves the
    // drawing right and down.
    virtual void SetDrawingOffset(QPoint offset) = 0;
};
