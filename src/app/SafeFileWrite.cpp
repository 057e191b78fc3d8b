#include "app/SafeFileWrite.h"

#include <QSaveFile>

bool WriteFileSafely(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, so a short write shows in the count; a buffered flush at commit can
    // report success for a truncated file.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
           && file.write(bytes) == bytes.size() && file.commit();
}
