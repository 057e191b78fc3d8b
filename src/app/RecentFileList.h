#pragma once

#include <QStringList>

class QSettings;

// The most recently used drawings, newest first, kept under "Recent File List".
class RecentFileList
{
public:
    static constexpr int kSize = 4;
    static constexpr const char* kGroup = "Recent File List";

    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

    void Read(QSettings& settings);
    void Write(QSettings& settings) const;

private:
    QStringList m_files;
};
