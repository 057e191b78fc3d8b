#include "model/CDaubrixDoc.h"

#include <cstdint>
#include <new>

#include "model/BackgroundHost.h"
#include "model/DrawingContents.h"
#include "model/DrawingFileReader.h"
#include "model/DrawingFileWriter.h"
#include "shapes/ShapeTable.h"

bool CDaubrixDoc::NewDrawing(int width, int height)
{
    if (width < kMinSize || width > kMaxSize || height < kMinSize || height > kMaxSize)
        return false;
    m_records.SetDrawingSize(width, height);
    m_undoImageValid = true;
    return true;
}

SavedDrawing CDaubrixDoc::Save()
{
    const QByteArray jpeg = BackgroundForSaving();
    SavedDrawing saved;
    try {
        if (!DrawingFileWriter::Write({m_records, m_backgroundColor, m_printSize, jpeg}, saved.bytes))
            saved.error = SaveError::TooManyRecords;
    } catch (const std::bad_alloc&) {
        saved.error = SaveError::OutOfMemory;
    }
    return saved;
}

// Settled before anything is written, so that a picture that cannot be made still leaves
// a complete file (flag 0). Without a window there is no picture to save.
QByteArray CDaubrixDoc::BackgroundForSaving()
{
    if (!m_host || !m_backgroundImage)
        return {};
    QByteArray jpeg = m_host->EncodeBackgroundJpeg();
    if (jpeg.isEmpty() || jpeg.size() > qsizetype(UINT32_MAX)) {
        Tell("Error saving background image (mem)");
        m_backgroundImage = false;
    }
    return jpeg;
}

LoadError CDaubrixDoc::Load(const QByteArray& bytes)
{
    BackgroundReading background = BackgroundReading::Keep;
    if (!m_host)
        background = BackgroundReading::Unread;
    else if (m_lowColor)
        background = BackgroundReading::Skip;
    DrawingContents contents;
    try {
        if (!DrawingFileReader(m_records.Shapes().Count(), background).Read(bytes, contents))
            return LoadError::BadFormat;
    } catch (const std::bad_alloc&) {
        return LoadError::OutOfMemory;
    }
    TakeContents(contents);
    TakeBackground(contents);
    m_records.MarkShapesUsed(0, m_records.GlobCount());
    return LoadError::None;
}

void CDaubrixDoc::TakeContents(DrawingContents& contents)
{
    m_records.SetDrawingSize(contents.width, contents.height);
    m_records.AdoptRecords(std::move(contents.globs), std::move(contents.changes), contents.sections);
    m_backgroundColor = contents.backgroundColor;
    m_printSize = contents.printSize;
    m_undoImageValid = false;
    m_undoState = 0;
    m_backgroundImage = false;
}

void CDaubrixDoc::TakeBackground(DrawingContents& contents)
{
    if (contents.backgroundDropped)
        Tell("Error loading background image (mem)");
    if (!contents.hasBackground || !m_host)
        return;
    UserMessage failure;
    m_backgroundImage = m_host->DecodeBackgroundJpeg(contents.backgroundJpeg, failure);
    if (!m_backgroundImage && !failure.text.isEmpty() && m_records.Report())
        m_records.Report()(failure);
}

void CDaubrixDoc::Tell(const char* text) const
{
    if (m_records.Report())
        m_records.Report()({QString::fromLatin1(text), MessageIcon::None, {}});
}
