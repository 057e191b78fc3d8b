#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "imaging/ImageStatus.h"

// Where a movie's frames go, one after the other. Nothing is left behind by a movie that is
// abandoned or fails: a video is written under a temporary name and renamed at the end, the
// frames of a picture sequence are removed again.
class MovieWriter
{
public:
    virtual ~MovieWriter() = default;

    virtual ImageStatus Start(QSize frameSize, int framesPerSecond) = 0;
    virtual ImageStatus Add(const QImage& frame) = 0;
    virtual ImageStatus Finish() = 0;
    virtual void Abandon() = 0;
};

enum class MovieKind { Mp4, WebM, PngSequence };
