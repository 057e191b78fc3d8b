#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtGlobal>
#include <gtest/gtest.h>

#if __has_include(<QApplication>)
#include <QApplication>
#endif

namespace
{
// Each test process gets a home of its own, with its own config, data, cache and runtime
// folders, so no test reads or writes the user's files and tests running side by side never
// share a last-run file.
void UseOwnHome(const QTemporaryDir& home)
{
    const QString root = home.path();
    qputenv("HOME", QFile::encodeName(root));
    const std::pair<const char*, const char*> folders[] = {
        {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"}, {"XDG_CACHE_HOME", "cache"},
        {"XDG_STATE_HOME", "state"},   {"XDG_RUNTIME_DIR", "runtime"}};
    for (auto [variable, name] : folders) {
        const QString path = root + u'/' + QLatin1String(name);
        QDir().mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    }
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // No print job of a test reaches the machine's printers: printing goes into a PDF.
    qputenv("CUPS_SERVER", QFile::encodeName(root + QStringLiteral("/runtime/no-printers")));
}
} // namespace

// Every test program gets an application object on the offscreen platform, so image,
// font and widget code runs exactly as in the program, without a display.
int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    UseOwnHome(home);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
