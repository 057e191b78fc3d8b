#pragma once

#include <optional>

#include <QDateTime>
#include <QFile>
#include <QString>

// The tips file: one tip per line; lines starting with a space, a tab, a line end or ';'
// are skipped. Reading wraps to the first tip at the end of the file.
class TipFile
{
public:
    static constexpr int kMaxLine = 1000; // a longer line is read in pieces

    bool Open(const QString& path);
    bool IsOpen() const { return m_file.isOpen(); }
    void Close() { m_file.close(); }

    bool Seek(qint64 offset);
    qint64 Position() const { return m_file.pos(); }

    // The next tip after the current position, wrapping once to the start; an empty string
    // when the file holds no tip at all; std::nullopt when the file cannot be rewound.
    std::optional<QString> NextTip();

    // The file's modification time in the fixed-width local-time form
    // ("Wed Dec  9 22:26:28 2026"), which tells whether a stored position is still valid.
    QString TimeStamp() const;
    static QString FormatTimeStamp(const QDateTime& time);

    static bool IsTipLine(const QByteArray& line);

private:
    std::optional<QString> ReadTipUntilEnd();

    QFile m_file;
};
