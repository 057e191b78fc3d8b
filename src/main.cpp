#include <QCoreApplication>
#include <QFileInfo>

#include "app/HeadlessCommands.h"

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString folder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + QLatin1Char('/');
    if (auto rc = RunHeadlessCommand(application.arguments().mid(1), folder))
        return *rc;
    return RunHeadlessCommand({QStringLiteral("--help")}, folder).value_or(0);
}
