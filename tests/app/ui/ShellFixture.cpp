#include "ShellFixture.h"

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
    ShellMessageBox::SetPresenter([this](const ShellMessage& message, ShellMessageBox::Buttons) {
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
    QFile(folder + QStringLiteral("shapes/a_1.bmp")).open(QIODevice::WriteOnly);
    QFile tipsFile(folder + QStringLiteral("tips.txt"));
    tipsFile.open(QIODevice::WriteOnly);
    tipsFile.write(tips);
    return folder;
}
