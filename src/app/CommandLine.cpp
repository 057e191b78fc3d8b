#include "app/CommandLine.h"

std::optional<int> RunCommandLineMode(int /*argc*/, char** /*argv*/)
{
    return std::nullopt;
}

QString DrawingToOpen(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (!argument.startsWith(u'-'))
            return argument;
    }
    return {};
}
