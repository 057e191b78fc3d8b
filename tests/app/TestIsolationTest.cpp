#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Tests never touch the user's own files: every test process has a home of its own, and
// the program's settings and last-run files land inside it.
TEST(TestIsolation, EachTestProcessHasAHomeOfItsOwn)
{
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const QString home = QDir::homePath();
    EXPECT_NE(home, QString::fromLocal8Bit(user->pw_dir));
    for (auto location : {QStandardPaths::AppDataLocation, QStandardPaths::GenericConfigLocation,
                          QStandardPaths::CacheLocation, QStandardPaths::RuntimeLocation})
        EXPECT_TRUE(QStandardPaths::writableLocation(location).startsWith(home + u'/'))
            << QStandardPaths::writableLocation(location).toStdString();
}
