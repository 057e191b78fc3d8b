#include "imaging/PngSequenceWriter.h"

#include <QDir>
#include <QFile>

#include "imaging/ImageFileWriter.h"

QString PngSequenceWriter::FrameName(int number)
{
    return QStringLiteral("frame%1.png").arg(number, 5, 10, QLatin1Char('0'));
}

ImageStatus PngSequenceWriter::Start(QSize, int)
{
    QDir folder(m_folder);
    if (!folder.exists()) {
        if (!QDir().mkpath(m_folder))
            return ImageStatus::Failure(QStringLiteral("Error writing file"), MessageIcon::Critical);
        m_madeFolder = true;
    }
    return ImageStatus::Success();
}

ImageStatus PngSequenceWriter::Add(const QImage& frame)
{
    const QString path = QDir(m_folder).filePath(FrameName(int(m_written.size()) + 1));
    const ImageStatus status = WriteImageFile(path, frame, 100);
    if (status.ok)
        m_written << path;
    return status;
}

void PngSequenceWriter::Abandon()
{
    for (const QString& path : m_written)
        QFile::remove(path);
    m_written.clear();
    if (m_madeFolder)
        QDir().rmdir(m_folder);
}
