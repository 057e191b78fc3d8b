#pragma once

#include <QString>

// The folder the program's data (shapes/, tips.txt, help/) lives in, always ending in '/'.
namespace ProgramFolder
{
// The executable's folder; when that folder is named "DEBUG", then "RELEASE" (exactly,
// upper case), the parent is used instead, so build-type output folders share one data set.
QString FromExecutablePath(const QString& executablePath);

// Like FromExecutablePath, but an installed program (no shapes/ beside it) uses
// ../share/daubrix/ when that folder exists.
QString Locate(const QString& executablePath);
} // namespace ProgramFolder
