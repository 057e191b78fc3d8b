#include <QApplication>

#include "app/CommandLine.h"
#include "app/ui/CDaubrixApp.h"

int main(int argc, char** argv)
{
    // Headless modes come first: they need no display and no widgets.
    if (auto rc = RunCommandLineMode(argc, argv))
        return *rc;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daubrix"));
    QApplication::setApplicationVersion(QStringLiteral("1.01"));
    QApplication::setOrganizationName(QStringLiteral("Zentrik"));

    CDaubrixApp::StartupHooks hooks;
    hooks.arguments = application.arguments().mid(1);
    CDaubrixApp daubrix(std::move(hooks));
    if (!daubrix.Start())
        return 1;
    const int rc = application.exec();
    daubrix.Exit();
    return rc;
}
