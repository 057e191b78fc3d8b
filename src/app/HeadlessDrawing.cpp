#include "app/HeadlessDrawing.h"

#include <QFile>
#include <QSaveFile>

HeadlessDrawing::HeadlessDrawing(std::optional<quint32> seed)
{
    if (seed)
        m_random.Seed(*seed);
    m_doc.SetBackgroundHost(&m_host);
    m_doc.SetMessageSink([this](const UserMessage& m) { m_messages << m.text; });
}

bool HeadlessDrawing::LoadShapes(const QString& programFolder, QString& message)
{
    QStringList problems;
    m_shapes.Discover(programFolder, [&](const QString& text) { problems << text; });
    if (m_shapes.Count() == 0)
        problems << QStringLiteral("Shapes not found!");
    else
        m_shapes.PrepareAll();
    message = problems.join(QLatin1Char('\n'));
    return m_shapes.Count() > 0;
}

bool HeadlessDrawing::Open(const QString& path, QString& message)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        message = QStringLiteral("Failed to open document.");
        return false;
    }
    DocumentArchive archive{ArchiveMode::Load, file.readAll()};
    if (file.error() != QFileDevice::NoError) {
        message = QStringLiteral("Failed to open document.");
        return false;
    }
    const FileStatus status = m_doc.Serialize(archive);
    message = status.ok ? m_messages.join(QLatin1Char('\n')) : status.message;
    m_canvas.InitialUpdate();
    return status.ok;
}

bool HeadlessDrawing::Save(const QString& path, QString& message)
{
    DocumentArchive archive{ArchiveMode::Store, {}};
    const FileStatus status = m_doc.Serialize(archive);
    QSaveFile file(path);
    if (!status.ok || !file.open(QIODevice::WriteOnly) || file.write(archive.bytes) != archive.bytes.size()
        || !file.commit()) {
        message = status.ok ? QStringLiteral("Failed to save document.") : status.message;
        return false;
    }
    return true;
}

QImage HeadlessDrawing::Render() const
{
    return m_canvas.RenderAll();
}
