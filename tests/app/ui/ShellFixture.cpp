#include "ShellFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace
{
// Before any test object exists, settings already point away from the user's own.
const bool kSandboxed = [] {
    static QTemporaryDir processDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, processDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, processDir.path());
    return true;
}();
} // namespace

void ShellFixture::SetUp()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    Store().clear();
    ShellMessageBox::SetPresenter([this](const UserMessage& message, ShellMessageBox::Buttons) {
        messages.push_back(message);
        return answer;
    });
}

void ShellFixture::TearDown()
{
    ShellMessageBox::SetPresenter({});
}

QSettings ShellFixture::Store()
{
    return QSettings(QStringLiteral("Zentrik"), QStringLiteral("Daubrix"));
}

QString ShellFixture::MakeProgramFolder(const QByteArray& tips)
{
    QDir(workDir.path()).mkpath(QStringLiteral("program/shapes"));
    const QString folder = workDir.filePath(QStringLiteral("program")) + u'/';
    // One of the program's own shapes, copied from beside the test program.
    const QString shape = QStringLiteral("/shapes/a-1blob.bmp");
    QFile::copy(QCoreApplication::applicationDirPath() + shape, folder + shape.mid(1));
    QFile tipsFile(folder + QStringLiteral("tips.txt"));
    tipsFile.open(QIODevice::WriteOnly);
    tipsFile.write(tips);
    return folder;
}
