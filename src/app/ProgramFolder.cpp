#include "app/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace
{
// Cuts the last folder when it is exactly `name`; "PRERELEASE/" is not "RELEASE/".
void CutLastFolder(QString& folder, const QString& name)
{
    const QString suffix = name + u'/';
    if (!folder.endsWith(suffix, Qt::CaseSensitive))
        return;
    const qsizetype start = folder.size() - suffix.size();
    if (start == 0 || folder.at(start - 1) == u'/')
        folder.chop(suffix.size());
}
} // namespace

QString ProgramFolder::FromExecutablePath(const QString& executablePath)
{
    const int slash = executablePath.lastIndexOf(u'/');
    QString folder = slash < 0 ? QStringLiteral("./") : executablePath.left(slash + 1);
    CutLastFolder(folder, QStringLiteral("DEBUG"));
    CutLastFolder(folder, QStringLiteral("RELEASE"));
    return folder;
}

QString ProgramFolder::Locate(const QString& executablePath)
{
    const QString folder = FromExecutablePath(executablePath);
    if (QFileInfo(folder + QStringLiteral("shapes")).isDir())
        return folder;
    const QString installed = QDir::cleanPath(folder + QStringLiteral("../share/daubrix")) + u'/';
    return QFileInfo(installed).isDir() ? installed : folder;
}
