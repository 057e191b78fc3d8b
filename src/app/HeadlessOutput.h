#pragma once

#include <QString>

// What the command-line forms write to the terminal.
void PrintErr(const QString& text);
// "daubrix: why" and the form's usage on stderr; returns the usage-error exit code, 2.
int UsageError(const QString& why, const QString& usage);
