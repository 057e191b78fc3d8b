#pragma once

#include <QString>
#include <QStringList>

// daubrix --movie OUT.mp4|OUT.webm|FOLDER FILE.dbr [--fps N] [--seconds S | --globs-per-frame N]
// [--hold S] [--half] [--section-ends]: a movie of the drawing being made, without a display.
// Returns the exit status (0 done, 1 a file failed, 2 usage).
int RunHeadlessMovie(const QStringList& arguments, const QString& programFolder);

QString HeadlessMovieUsage();
