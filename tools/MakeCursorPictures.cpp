// Writes the drawing window's mode pointers as PNG files, to look at them or use them in help
// pages: make_cursor_pictures FOLDER
#include <cstdio>

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include "view/CursorArt.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_cursor_pictures FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    const struct { ModeCursor which; const char* name; } pictures[] = {
        {ModeCursor::MoveCentre, "move-centre.png"},
        {ModeCursor::Sample, "sample.png"},
        {ModeCursor::Pattern, "pattern.png"},
    };
    for (const auto& p : pictures) {
        const CursorPicture picture = PaintModeCursor(p.which);
        // Four times the size, so the art can be judged.
        if (!picture.image.scaled(128, 128).save(folder.filePath(QString::fromLatin1(p.name)))) {
            std::fprintf(stderr, "cannot write %s\n", p.name);
            return 1;
        }
    }
    return 0;
}
