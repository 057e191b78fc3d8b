#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QSize>
#include <QString>

#include "app/DrawingDocument.h"
#include "app/RecentFileList.h"

// The open drawings and their files: New, Open, Save, Save As, Close and the recent files.
// Failures come back as error kinds; nothing here opens a window or spells a message.
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

    struct OpenResult
    {
        Drawing* drawing = nullptr; // the drawing opened; null when the open failed
        LoadError error = LoadError::None;
        bool ok() const { return error == LoadError::None; }
    };

    struct SaveResult
    {
        Drawing* drawing = nullptr; // the drawing saved or not
        SaveError error = SaveError::None;
        bool ok() const { return error == SaveError::None; }
    };

    using Factory = std::function<std::unique_ptr<DrawingDocument>()>;
    using Listener = std::function<void(Drawing&)>;
    // What happened to a drawing's contents, for whoever keeps copies of them.
    enum class Event { Changed, Saved, Closed };
    using Watcher = std::function<void(Drawing&, Event)>;

    explicit DocumentManager(Factory factory);

    Drawing& New(QSize size);
    // Opening a file that is already open returns its drawing.
    OpenResult Open(const QString& path);
    // Writes through a temporary file, so a failed save leaves the old file as it was.
    SaveResult Save(Drawing& drawing, const QString& path);
    void Close(Drawing& drawing);
    // A recovery copy opens as a modified drawing with the original's path and title; it
    // is not a file the user opened, so the recent files stay as they are.
    OpenResult OpenCopy(const QString& copyPath, const QString& originalPath, const QString& title);

    void SetModified(Drawing& drawing, bool modified);
    Drawing* Find(const QString& path);
    const std::vector<std::unique_ptr<Drawing>>& Drawings() const { return m_drawings; }
    RecentFileList& Recent() { return m_recent; }

    // Called when a drawing's title or modified flag changes.
    void SetListener(Listener listener) { m_listener = std::move(listener); }
    // Called at every change (not only the first), at each save and at each close.
    void SetWatcher(Watcher watcher) { m_watcher = std::move(watcher); }

private:
    void Notify(Drawing& drawing);
    void Watch(Drawing& drawing, Event event);
    LoadError ReadDocument(const QString& path, std::unique_ptr<DrawingDocument>& document);
    void TakePath(Drawing& drawing, const QString& path);

    Factory m_factory;
    Listener m_listener;
    Watcher m_watcher;
    std::vector<std::unique_ptr<Drawing>> m_drawings;
    RecentFileList m_recent;
    int m_untitledCount = 0;
};
