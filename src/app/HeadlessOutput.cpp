#include "app/HeadlessOutput.h"

#include <cstdio>

void PrintErr(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

int UsageError(const QString& why, const QString& usage)
{
    PrintErr(QStringLiteral("daubrix: ") + why);
    PrintErr(usage);
    return 2;
}
