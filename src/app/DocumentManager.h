#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QSize>
#include <QString>

#include "app/DrawingDocument.h"
#include "app/RecentFileList.h"

// The open drawings and their files: New, Open, Save, Save As, Close and the recent files.
// Failures come back as the texts the user is shown; nothing here opens a window.
class DocumentManager
{
public:
    static constexpr const char* kFilter = "Daubrix Files (*.dbr)";
    static constexpr const char* kExtension = ".dbr";
    static constexpr qint64 kMaxFileSize = qint64(1) << 30;

    struct Drawing
    {
        std::unique_ptr<DrawingDocument> document;
        QString path;  // empty until first saved
        QString title; // file name, or "Daubrix1", "Daubrix2", ... while untitled
        bool modified = false;
    };

    struct Result
    {
        Drawing* drawing = nullptr; // the drawing acted on; null when an open failed
        QString error;              // empty on success
        bool ok() const { return error.isEmpty(); }
    };

    using Factory = std::function<std::unique_ptr<DrawingDocument>()>;
    using Listener = std::function<void(Drawing&)>;

    explicit DocumentManager(Factory factory);

    Drawing& New(QSize size);
    // Opening a file that is already open returns its drawing.
    Result Open(const QString& path);
    // Writes through a temporary file, so a failed save leaves the old file as it was.
    Result Save(Drawing& drawing, const QString& path);
    void Close(Drawing& drawing);

    void SetModified(Drawing& drawing, bool modified);
    Drawing* Find(const QString& path);
    const std::vector<std::unique_ptr<Drawing>>& Drawings() const { return m_drawings; }
    RecentFileList& Recent() { return m_recent; }

    // Called when a drawing's title or modified flag changes.
    void SetListener(Listener listener) { m_listener = std::move(listener); }

    static QString UnexpectedFormatText();
    static QString OpenFailedText();
    static QString SaveFailedText();

private:
    void Notify(Drawing& drawing);
    void TakePath(Drawing& drawing, const QString& path);

    Factory m_factory;
    Listener m_listener;
    std::vector<std::unique_ptr<Drawing>> m_drawings;
    RecentFileList m_recent;
    int m_untitledCount = 0;
};
