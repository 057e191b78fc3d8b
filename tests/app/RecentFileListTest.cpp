#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/RecentFileList.h"

TEST(RecentFileList, KeepsFourNewestFirstAndSurvivesARestart)
{
    RecentFileList list;
    for (const char* path : {"/a", "/b", "/c", "/d", "/e", "/c"})
        list.Add(path);
    EXPECT_EQ(list.Files(), QStringList({"/c", "/e", "/d", "/b"}));
    QTemporaryDir dir;
    QSettings store(dir.filePath("s.ini"), QSettings::IniFormat);
    list.Write(store);
    EXPECT_EQ(store.value("Recent File List/File1").toString(), QString("/c"));
    list.Remove("/e");
    list.Write(store);
    RecentFileList read;
    read.Read(store);
    EXPECT_EQ(read.Files(), QStringList({"/c", "/d", "/b"}));
}
