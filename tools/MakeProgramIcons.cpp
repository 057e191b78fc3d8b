// Writes the program's icon as PNG files in the icon-theme layout, one per size:
//   make_program_icons FOLDER 16 32 ...  ->  FOLDER/16x16/apps/daubrix.png, FOLDER/32x32/...
// The picture comes from the same painter the program uses for its windows, so the desktop
// shows exactly what the program shows.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include "app/CommandIcons.h"

namespace {

// Empty on success, else what went wrong.
QString WriteIcon(const QString& root, int side)
{
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(side);
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot create %1").arg(folder);
    const QString file = folder + QStringLiteral("/daubrix.png");
    const QImage icon = CommandIcons::PaintProgramIcon(side);
    if (icon.isNull() || icon.width() != side || !icon.save(file, "PNG"))
        return QStringLiteral("cannot write %1").arg(file);
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    // The icons are painted off screen; a build machine need not have a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: make_program_icons FOLDER SIDE...\n");
        return 2;
    }
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        bool number = false;
        const int side = arguments[i].toInt(&number);
        if (!number || side < 1 || side > 1024) {
            std::fprintf(stderr, "make_program_icons: not an icon size: %s\n", qPrintable(arguments[i]));
            return 2;
        }
        const QString error = WriteIcon(arguments[1], side);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "make_program_icons: %s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
