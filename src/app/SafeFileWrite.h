#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file through a temporary file that is renamed into place, so a failure at
// any step (no room, no rights, a short write) leaves the old file as it was.
bool WriteFileSafely(const QString& path, const QByteArray& bytes);
