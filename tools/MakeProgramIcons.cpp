// Writes the program's icon as PNG files in the icon-theme layout, one per size:
//   make_program_icons FOLDER   ->  FOLDER/16x16/apps/daubrix.png ... FOLDER/256x256/apps/daubrix.png
// The picture comes from the same painter the program uses for its windows, so the desktop
// shows exactly what the program shows.
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include "app/CommandIcons.h"

namespace {

constexpr int kSides[] = {16, 32, 48, 64, 128, 256};

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
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: make_program_icons FOLDER\n");
        return 2;
    }
    for (const int side : kSides) {
        const QString error = WriteIcon(arguments[1], side);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "make_program_icons: %s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
