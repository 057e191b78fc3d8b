#include "app/DocumentManager.h"

#include <algorithm>
#include <optional>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    const std::optional<QByteArray> bytes = ReadWholeFile(absolute, kMaxFileSize);
    if (!bytes)
        return {nullptr, LoadError::CannotOpen};
    auto document = m_factory();
    if (const LoadError error = document->Read(*bytes); error != LoadError::None)
        return {nullptr, error};
    auto drawing = std::make_unique<Drawing>();
    drawing->document = std::move(document);
    TakePath(*drawing, absolute);
    m_drawings.push_back(std::move(drawing));
    return {m_drawings.back().get(), {}};
}

DocumentManager::SaveResult DocumentManager::Save(Drawing& drawing, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Unbuffered, so a short write shows in the count; a buffered flush at commit can
    // report success for a truncated file.
    QSaveFile file(absolute);
    const SavedDrawing saved = drawing.document->Write();
    if (!saved.ok())
        return {&drawing, saved.error};
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                         && file.write(saved.bytes) == saved.bytes.size() && file.commit();
    if (!written)
        return {&drawing, SaveError::CannotWrite};
    TakePath(drawing, CanonicalOrClean(absolute));
    SetModified(drawing, false);
    Notify(drawing);
    return {&drawing, {}};
}

void DocumentManager::Close(Drawing& drawing)
{
    std::erase_if(m_drawings, [&](const auto& held) { return held.get() == &drawing; });
}

void DocumentManager::SetModified(Drawing& drawing, bool modified)
{
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

void DocumentManager::TakePath(Drawing& drawing, const QString& path)
{
    drawing.path = path;
    drawing.title = QFileInfo(path).fileName();
    m_recent.Add(path);
}
