#pragma once

#include <vector>

#include <QByteArray>

#include "color/HsvColor.h"
#include "model/CColorChange.h"
#include "model/CGlob.h"
#include "model/Sections.h"

// Everything a drawing file holds, read into a fresh place so that a failed read changes
// nothing in the document.
struct DrawingContents
{
    int width = 100;
    int height = 100;
    Sections sections;
    RgbColor backgroundColor = 0;
    int printSize = 100;
    std::vector<CGlob> globs;
    std::vector<CColorChange> changes;
    bool hasBackground = false;
    bool backgroundDropped = false; // a picture was stored but could not be kept in memory
    QByteArray backgroundJpeg;
};
