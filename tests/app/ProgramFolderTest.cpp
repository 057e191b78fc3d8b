#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/ProgramFolder.h"

TEST(ProgramFolder, BuildTypeFoldersInUpperCaseAreCut)
{
    const struct
    {
        const char* executable;
        const char* folder;
    } cases[] = {
        {"/opt/daubrix/daubrix", "/opt/daubrix/"},
        {"/opt/daubrix/RELEASE/daubrix", "/opt/daubrix/"},
        {"/opt/daubrix/DEBUG/daubrix", "/opt/daubrix/"},
        {"/opt/daubrix/RELEASE/DEBUG/daubrix", "/opt/daubrix/"},
        {"/opt/daubrix/Release/daubrix", "/opt/daubrix/Release/"},
        {"/opt/daubrix/debug/daubrix", "/opt/daubrix/debug/"},
        {"/opt/daubrix/PRERELEASE/daubrix", "/opt/daubrix/PRERELEASE/"},
        {"daubrix", "./"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFolder::FromExecutablePath(c.executable), QString(c.folder)) << c.executable;
}

TEST(ProgramFolder, InstalledProgramUsesItsShareFolder)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("bin");
    const QString executable = root.filePath("bin/daubrix");
    EXPECT_EQ(ProgramFolder::Locate(executable), root.filePath("bin/"));
    QDir(root.path()).mkpath("share/daubrix");
    EXPECT_EQ(ProgramFolder::Locate(executable), root.filePath("share/daubrix/"));
    QDir(root.path()).mkpath("bin/shapes");
    EXPECT_EQ(ProgramFolder::Locate(executable), root.filePath("bin/"));
}
