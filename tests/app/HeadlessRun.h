#pragma once

#include <optional>

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include "app/HeadlessCommands.h"

// The test program's folder, where the build puts the shapes and the tips file beside it.
inline QString ProgramFolderForTests() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

// A command-line form run as the program runs it, its error messages kept off the test output.
inline std::optional<int> RunHeadlessQuietly(const QStringList& args)
{
    testing::internal::CaptureStderr();
    const std::optional<int> rc = RunHeadlessCommand(args, ProgramFolderForTests());
    testing::internal::GetCapturedStderr();
    return rc;
}
