#include <QApplication>

#include "app/CommandLine.h"
#include "app/ui/CDaubrixApp.h"
#include "app/ui/CMainFrame.h"

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
    // The program ends with the frame. Not with quit(): that asks every window to close
    // first, and a palette answers a close by hiding (and noting itself hidden), which stops
    // the quit. Exit then destroys the palettes, writing their files, and the settings.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(daubrix.Frame(), &CMainFrame::Closed, &application,
                     [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    const int rc = application.exec();
    daubrix.Exit();
    return rc;
}
