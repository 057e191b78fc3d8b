#include <cstddef>
#include <cstdint>

#include <QFile>
#include <QTemporaryDir>

#include "app/TipFile.h"

// Any bytes as a tips file: reading tips, wrapping and seeking never crash or hang.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tips.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    TipFile tips;
    if (!tips.Open(path))
        return 0;
    for (int i = 0; i < 4; ++i)
        tips.NextTip();
    tips.Seek(size > 0 ? qint64(data[0]) : 0);
    tips.NextTip();
    return 0;
}
