#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// The command-line modes that need no display: --export, --info, --list-shapes, --help,
// with --seed. Returns the exit status (0 done, 1 a file failed, 2 usage), or nothing when
// the arguments ask for no such mode and the program should start its windows.
std::optional<int> RunHeadlessCommand(const QStringList& arguments, const QString& programFolder);

QString HeadlessUsage();
