#pragma once

#include <optional>

#include <QString>
#include <QStringList>

// Headless modes run before any window system is touched; std::nullopt means "start the GUI".
std::optional<int> RunCommandLineMode(int argc, char** argv);

// The drawing the GUI opens at start-up: the first argument that is not an option, or empty
// (no drawing opens). arguments excludes the program name.
QString DrawingToOpen(const QStringList& arguments);
