#include "color/PaletteFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace PaletteFiles {

std::optional<QByteArray> ReadSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(kMaxFileSize + 1);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString LastRunWritePath(const QString& fileName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath(fileName);
}

QString LastRunReadPath(const QString& fileName, const QString& programFolder)
{
    const QString own = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                            .filePath(fileName);
    if (QFileInfo::exists(own))
        return own;
    return QDir(programFolder).filePath(fileName);
}

} // namespace PaletteFiles
