#include "app/CommandLine.h"

#include <algorithm>

#include <QCoreApplication>

#include "app/HeadlessCommands.h"
#include "app/ProgramFolder.h"

namespace {

bool TakesValue(const QString& option)
{
    return option == QLatin1String("--seed") || option == QLatin1String("--quality")
        || option == QLatin1String("--export") || option == QLatin1String("--autosave-seconds");
}

} // namespace

std::optional<int> RunCommandLineMode(int argc, char** argv)
{
    // A plain core application: these modes must work where there is no display at all.
    QCoreApplication application(argc, argv);
    const QString folder = ProgramFolder::Locate(QCoreApplication::applicationFilePath());
    return RunHeadlessCommand(application.arguments().mid(1), folder);
}

QString DrawingToOpen(const QStringList& arguments)
{
    for (int i = 0; i < arguments.size(); ++i) {
        if (TakesValue(arguments[i]))
            ++i;
        else if (!arguments[i].startsWith(u'-'))
            return arguments[i];
    }
    return {};
}

std::optional<quint32> SeedOption(const QStringList& arguments)
{
    for (int i = 0; i + 1 < arguments.size(); ++i) {
        bool ok = false;
        const uint seed = arguments[i + 1].toUInt(&ok);
        if (arguments[i] == QLatin1String("--seed") && ok)
            return seed;
    }
    return std::nullopt;
}

qint64 AutoSaveIntervalMs(const QStringList& arguments, int settingMinutes)
{
    for (int i = 0; i + 1 < arguments.size(); ++i) {
        bool ok = false;
        const int seconds = arguments[i + 1].toInt(&ok);
        if (arguments[i] == QLatin1String("--autosave-seconds") && ok)
            return qint64(std::max(seconds, 0)) * 1000;
    }
    return qint64(std::max(settingMinutes, 0)) * 60 * 1000;
}
