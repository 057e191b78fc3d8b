#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Reading and writing the palettes' small files (.dch, .dss) and finding the last-run copies.
namespace PaletteFiles {

// Larger than any valid colour-history or shape-state file; a bigger file is not read.
constexpr qint64 kMaxFileSize = 4096;

// The whole file, or nothing when it cannot be opened. A file over kMaxFileSize yields its
// first kMaxFileSize + 1 bytes, which every reader refuses or ignores past its end.
std::optional<QByteArray> ReadSmallFile(const QString& path);

// Replaces the file only once all bytes are written; false leaves any old file as it was.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// The last-run file lives in the user's data folder, which the program can always write;
// a copy in the program folder is read only while the user has none yet.
QString LastRunWritePath(const QString& fileName);
QString LastRunReadPath(const QString& fileName, const QString& programFolder);

inline constexpr char kLastHistoryName[] = "DBRlastDBR.dch";
inline constexpr char kLastStateName[] = "DBRlastDBR.dss";

} // namespace PaletteFiles
