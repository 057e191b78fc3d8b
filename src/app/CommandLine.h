#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// Headless modes run before any window system is touched; std::nullopt means "start the GUI".
std::optional<int> RunCommandLineMode(int argc, char** argv);

// The drawing the GUI opens at start-up: the first argument that is not an option, or empty
// (no drawing opens). arguments excludes the program name.
QString DrawingToOpen(const QStringList& arguments);

// The --seed N option, when given: makes the program's random choices repeatable.
std::optional<quint32> SeedOption(const QStringList& arguments);

// Milliseconds between recovery copies: the --autosave-seconds N option when given (a test
// cannot wait minutes), else the setting's minutes; 0 writes none.
qint64 AutoSaveIntervalMs(const QStringList& arguments, int settingMinutes);
