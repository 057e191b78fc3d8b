#pragma once

#include <QByteArray>

class CDaubrixDoc;

// Writes a drawing file (.dbr): header, the two record lists, then the background part.
class DrawingFileWriter
{
public:
    static constexpr const char* kSignature = "Daubrix";

    // jpeg: the background picture's bytes, or empty for a drawing saved without one.
    // False when the lists are too long for the archive's numbering.
    static bool Write(const CDaubrixDoc& doc, const QByteArray& jpeg, QByteArray& out);
};
