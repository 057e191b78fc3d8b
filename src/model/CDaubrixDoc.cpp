#include "model/CDaubrixDoc.h"

#include <cstdint>
#include <new>

#include "model/BackgroundHost.h"
#include "model/DrawingContents.h"
#include "model/DrawingFileReader.h"
#include "model/DrawingFileWriter.h"
#include "shapes/ShapeTable.h"

namespace {
const char* const kBadFormat = "Unexpected file format.";
const char* const kSaveFailed = "Failed to save document.";
const char* const kOpenFailed = "Failed to open document.";
} // namespace

bool CDaubrixDoc::NewDrawing(int width, int height)
{
    if (width < kMinSize || width > kMaxSize || height < kMinSize || height > kMaxSize)
        return false;
    SetDrawingSize(width, height);
    m_undoImageValid = true;
    return true;
}

FileStatus CDaubrixDoc::Serialize(DocumentArchive& archive)
{
    return archive.mode == ArchiveMode::Store ? Store(archive.bytes) : Load(archive.bytes);
}

FileStatus CDaubrixDoc::Store(QByteArray& bytes)
{
    const QByteArray jpeg = BackgroundForSaving();
    try {
        if (DrawingFileWriter::Write(*this, jpeg, bytes))
            return {};
    } catch (const std::bad_alloc&) {
    }
    return {false, QString::fromLatin1(kSaveFailed)};
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

FileStatus CDaubrixDoc::Load(const QByteArray& bytes)
{
    BackgroundReading background = BackgroundReading::Keep;
    if (!m_host)
        background = BackgroundReading::Unread;
    else if (m_lowColor)
        background = BackgroundReading::Skip;
    DrawingContents contents;
    try {
        if (!DrawingFileReader(Shapes().Count(), background).Read(bytes, contents))
            return {false, QString::fromLatin1(kBadFormat)};
    } catch (const std::bad_alloc&) {
        return {false, QString::fromLatin1(kOpenFailed)};
    }
    TakeContents(contents);
    TakeBackground(contents);
    MarkShapesUsed(0, GlobCount());
    return {};
}

void CDaubrixDoc::TakeContents(DrawingContents& contents)
{
    SetDrawingSize(contents.width, contents.height);
    AdoptRecords(std::move(contents.globs), std::move(contents.changes), contents.sections);
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
    if (!m_backgroundImage && !failure.text.isEmpty() && Report())
        Report()(failure);
}

void CDaubrixDoc::Tell(const char* text) const
{
    if (Report())
        Report()({QString::fromLatin1(text), MessageIcon::None, {}});
}
