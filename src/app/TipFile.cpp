#include "app/TipFile.h"

#include <ctime>

#include <QFileInfo>

bool TipFile::Open(const QString& path)
{
    m_file.close();
    m_file.setFileName(path);
    return m_file.open(QIODevice::ReadOnly);
}

bool TipFile::Seek(qint64 offset)
{
    return offset >= 0 && offset <= m_file.size() && m_file.seek(offset);
}

bool TipFile::IsTipLine(const QByteArray& line)
{
    if (line.isEmpty())
        return false;
    const char first = line.front();
    return first != ' ' && first != '\t' && first != '\n' && first != '\r' && first != ';';
}

std::optional<QString> TipFile::ReadTipUntilEnd()
{
    char buffer[kMaxLine];
    for (;;) {
        const qint64 length = m_file.readLine(buffer, kMaxLine);
        if (length <= 0)
            return std::nullopt;
        QByteArray line(buffer, int(length));
        if (!IsTipLine(line))
            continue;
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        return QString::fromUtf8(line);
    }
}

std::optional<QString> TipFile::NextTip()
{
    if (!IsOpen())
        return QString();
    // Two passes at most: the rest of the file, then the whole file from its start.
    for (int pass = 0; pass < 2; ++pass) {
        if (auto tip = ReadTipUntilEnd())
            return tip;
        if (!m_file.seek(0))
            return std::nullopt;
    }
    return QString();
}

QString TipFile::TimeStamp() const
{
    return FormatTimeStamp(QFileInfo(m_file).lastModified());
}

QString TipFile::FormatTimeStamp(const QDateTime& time)
{
    const std::time_t seconds = std::time_t(time.toSecsSinceEpoch());
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64] = {}; // asctime is locale-independent, unlike strftime's %a and %b
    asctime_r(&local, text);
    return QString::fromLatin1(text).trimmed();
}
