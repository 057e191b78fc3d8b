#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

// How a loaded picture is sized to the drawing (the Size group of the Load Background Image
// dialog). The program starts with Normal and remembers the last choice for its run.
enum class BackgroundSizing
{
    FitDrawing,
    SquashStretch,
    Normal,
};

// A background ready for the canvas: the bitmap and where its top-left corner lies.
struct PlacedBackground
{
    QImage bitmap;
    QPoint offset;
};

// The size the picture takes before cropping. Fit keeps the picture's aspect and fills the
// width, or the height when the width would make it too tall; never less than 1 x 1.
QSize PlacedBackgroundSize(QSize picture, QSize drawing, BackgroundSizing sizing);

// Centres a bitmap of the given size on the drawing; a side longer than the drawing's gets 0.
QPoint CentredBackgroundOffset(QSize bitmap, QSize drawing);

// The top-left part of the image that lies on the drawing when placed at the centring offset.
QImage CropToDrawing(const QImage& image, QSize drawing);

// Scales the picture as chosen, crops it to the drawing from its top-left and centres it.
PlacedBackground PlaceBackground(const QImage& picture, QSize drawing, BackgroundSizing sizing);
