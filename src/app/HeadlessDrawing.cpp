#include "app/HeadlessDrawing.h"

#include <QFile>
#include <QSaveFile>

#include "app/FileErrorMessages.h"
#include "app/HeadlessOutput.h"
#include "app/StartupMessages.h"

HeadlessDrawing::HeadlessDrawing(std::optional<quint32> seed)
{
    if (seed)
        m_random.Seed(*seed);
    m_doc.SetBackgroundHost(&m_host);
    m_doc.Records().SetMessageSink([this](const UserMessage& m) { m_messages << m.text; });
}

bool HeadlessDrawing::LoadShapes(const QString& programFolder, QString& message)
{
    QStringList problems;
    m_shapes.Discover(programFolder, [&](const QString& text) { problems << text; });
    if (m_shapes.Count() == 0)
        problems << ShapesNotFoundText();
    else
        m_shapes.PrepareAll();
    message = problems.join(QLatin1Char('\n'));
    return m_shapes.Count() > 0;
}

bool HeadlessDrawing::Open(const QString& path, QString& message)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        message = FileErrorMessage(LoadError::CannotOpen).text;
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        message = FileErrorMessage(LoadError::CannotOpen).text;
        return false;
    }
    const LoadError error = m_doc.Load(bytes);
    message = error == LoadError::None ? m_messages.join(QLatin1Char('\n')) : FileErrorMessage(error).text;
    m_canvas.InitialUpdate();
    return error == LoadError::None;
}

bool HeadlessDrawing::Save(const QString& path, QString& message)
{
    SavedDrawing saved = m_doc.Save();
    QSaveFile file(path);
    if (saved.ok()
        && (!file.open(QIODevice::WriteOnly) || file.write(saved.bytes) != saved.bytes.size() || !file.commit()))
        saved.error = SaveError::CannotWrite;
    if (!saved.ok())
        message = FileErrorMessage(saved.error).text;
    return saved.ok();
}

QImage HeadlessDrawing::Render() const
{
    return m_canvas.RenderAll();
}

bool HeadlessDrawing::OpenWithShapes(const QString& programFolder, const QString& path)
{
    QString message;
    if (LoadShapes(programFolder, message) && Open(path, message))
        return true;
    PrintErr(message);
    return false;
}
