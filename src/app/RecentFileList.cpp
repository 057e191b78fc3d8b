#include "app/RecentFileList.h"

#include <QSettings>

namespace
{
QString Key(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}
} // namespace

void RecentFileList::Add(const QString& path)
{
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void RecentFileList::Remove(const QString& path)
{
    m_files.removeAll(path);
}

void RecentFileList::Read(QSettings& settings)
{
    m_files.clear();
    settings.beginGroup(QLatin1String(kGroup));
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    settings.endGroup();
}

void RecentFileList::Write(QSettings& settings) const
{
    settings.beginGroup(QLatin1String(kGroup));
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(Key(i), m_files[i]);
        else
            settings.remove(Key(i));
    }
    settings.endGroup();
}
