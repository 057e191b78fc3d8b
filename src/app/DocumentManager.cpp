#include "app/DocumentManager.h"

#include <algorithm>
#include <optional>

#include <QFile>
#include <QFileInfo>

#include "app/SafeFileWrite.h"

namespace
{
QString CanonicalOrClean(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

// The whole file, or nothing when it cannot be read or is larger than any drawing can be.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return std::nullopt;
    return bytes;
}
} // namespace

DocumentManager::DocumentManager(Factory factory) : m_factory(std::move(factory)) {}

DocumentManager::Drawing& DocumentManager::New(QSize size)
{
    auto drawing = std::make_unique<Drawing>();
    drawing->document = m_factory();
    drawing->document->InitNew(size);
    drawing->title = QStringLiteral("Daubrix%1").arg(++m_untitledCount);
    m_drawings.push_back(std::move(drawing));
    return *m_drawings.back();
}

DocumentManager::OpenResult DocumentManager::Open(const QString& path)
{
    const QString absolute = CanonicalOrClean(path);
    if (Drawing* open = Find(absolute))
        return {open, {}};
    std::unique_ptr<DrawingDocument> document;
    if (const LoadError error = ReadDocument(absolute, document); error != LoadError::None)
        return {nullptr, error};
    auto drawing = std::make_unique<Drawing>();
    drawing->document = std::move(document);
    TakePath(*drawing, absolute);
    m_drawings.push_back(std::move(drawing));
    return {m_drawings.back().get(), {}};
}

DocumentManager::OpenResult DocumentManager::OpenCopy(const QString& copyPath,
                                                      const QString& originalPath,
                                                      const QString& title)
{
    std::unique_ptr<DrawingDocument> document;
    if (const LoadError error = ReadDocument(copyPath, document); error != LoadError::None)
        return {nullptr, error};
    auto drawing = std::make_unique<Drawing>();
    drawing->document = std::move(document);
    drawing->path = originalPath;
    drawing->title = title;
    drawing->modified = true;
    // A recovered "Daubrix3" keeps its name; the next new drawing is not called so as well.
    if (originalPath.isEmpty() && title.startsWith(QLatin1String("Daubrix")))
        m_untitledCount = std::max(m_untitledCount, title.mid(7).toInt());
    m_drawings.push_back(std::move(drawing));
    // Its changes are in no file of the user's: they want a copy of this run.
    Watch(*m_drawings.back(), Event::Changed);
    return {m_drawings.back().get(), {}};
}

LoadError DocumentManager::ReadDocument(const QString& path, std::unique_ptr<DrawingDocument>& document)
{
    const std::optional<QByteArray> bytes = ReadWholeFile(path, kMaxFileSize);
    if (!bytes)
        return LoadError::CannotOpen;
    document = m_factory();
    return document->Read(*bytes);
}

DocumentManager::SaveResult DocumentManager::Save(Drawing& drawing, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const SavedDrawing saved = drawing.document->Write();
    if (!saved.ok())
        return {&drawing, saved.error};
    if (!WriteFileSafely(absolute, saved.bytes))
        return {&drawing, SaveError::CannotWrite};
    TakePath(drawing, CanonicalOrClean(absolute));
    SetModified(drawing, false);
    Notify(drawing);
    Watch(drawing, Event::Saved);
    return {&drawing, {}};
}

void DocumentManager::Close(Drawing& drawing)
{
    Watch(drawing, Event::Closed);
    std::erase_if(m_drawings, [&](const auto& held) { return held.get() == &drawing; });
}

void DocumentManager::SetModified(Drawing& drawing, bool modified)
{
    if (modified)
        Watch(drawing, Event::Changed);
    if (drawing.modified == modified)
        return;
    drawing.modified = modified;
    Notify(drawing);
}

DocumentManager::Drawing* DocumentManager::Find(const QString& path)
{
    const QString absolute = CanonicalOrClean(path);
    for (const auto& drawing : m_drawings) {
        if (!drawing->path.isEmpty() && drawing->path == absolute)
            return drawing.get();
    }
    return nullptr;
}

void DocumentManager::Notify(Drawing& drawing)
{
    if (m_listener)
        m_listener(drawing);
}

void DocumentManager::Watch(Drawing& drawing, Event event)
{
    if (m_watcher)
        m_watcher(drawing, event);
}

void DocumentManager::TakePath(Drawing& drawing, const QString& path)
{
    drawing.path = path;
    drawing.title = QFileInfo(path).fileName();
    m_recent.Add(path);
}
