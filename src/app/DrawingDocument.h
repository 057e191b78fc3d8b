#pragma once

#include <QByteArray>
#include <QSize>

#include "color/HsvColor.h"
#include "model/DrawingFileErrors.h"

class BackgroundHost;
class CDaubrixDoc;

// What the shell needs of a drawing: its size and colours for the dialogs, its bytes for
// the file commands and its model for the view that shows it. The drawing model implements it.
class DrawingDocument
{
public:
    virtual ~DrawingDocument() = default;

    virtual void InitNew(QSize size) = 0;
    virtual QSize Size() const = 0;
    virtual RgbColor BackgroundColor() const = 0;
    virtual int GlobCount() const = 0;
    virtual int ColorChangeCount() const = 0;

    // The file's bytes, or why they could not be made.
    virtual SavedDrawing Write() = 0;
    // On failure the document keeps what it held before.
    virtual LoadError Read(const QByteArray& bytes) = 0;

    // The drawing a view shows and edits.
    virtual CDaubrixDoc& Doc() = 0;
    // The view that shows the background from now on; null hands it back to the document.
    virtual void SetViewHost(BackgroundHost* view) = 0;
};
