#pragma once

#include <QByteArray>

#include "model/DrawingContents.h"

class ByteReader;

// How the picture at the end of a drawing file is treated.
enum class BackgroundReading {
    Unread,  // no window to show it: the part is left alone
    Skip,    // low-colour display: the part is checked and passed over
    Keep,    // the picture's bytes are kept for the window
};

// Reads a drawing file (.dbr). Every count and length is checked against the bytes left
// before anything is allocated; any fault refuses the whole file.
class DrawingFileReader
{
public:
    static constexpr int kMinSize = 100;
    static constexpr int kMaxSize = 2048;
    static constexpr int kDefaultPrintSize = 100;

    DrawingFileReader(int shapeCount, BackgroundReading background)
        : m_shapeCount(shapeCount), m_background(background)
    {
    }

    bool Read(const QByteArray& bytes, DrawingContents& out) const;

private:
    static bool ReadSignature(ByteReader& in);
    static bool ReadHeader(ByteReader& in, DrawingContents& out);
    static bool ReadSections(ByteReader& in, Sections& sections);
    bool ReadRecords(ByteReader& in, DrawingContents& out) const;
    bool ReadBackground(ByteReader& in, DrawingContents& out) const;

    int m_shapeCount;
    BackgroundReading m_background;
};
