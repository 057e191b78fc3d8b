#pragma once

#include <QByteArray>

#include "color/HsvColor.h"

class GlobStore;

// Everything a drawing file is written from: the drawing's records and size, its own
// settings and the background picture's bytes (empty for a drawing saved without one).
struct DrawingFileSource
{
    const GlobStore& records;
    RgbColor backgroundColor;
    int printSize;
    const QByteArray& jpeg;
};

// Writes a drawing file (.dbr): header, the two record lists, then the background part.
class DrawingFileWriter
{
public:
    // False when the lists are too long for the archive's numbering.
    static bool Write(const DrawingFileSource& source, QByteArray& out);
};
