#pragma once

#include <QDialog>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/UserMessage.h"
#include "app/ui/ShellMessageBox.h"

// Every shell test runs against settings in a temporary folder, records the messages it
// would have shown, and answers them with `answer`.
class ShellFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static QSettings Store();
    // A program folder with one shape file and the given tips.
    QString MakeProgramFolder(const QByteArray& tips = "A tip\n");

    QTemporaryDir settingsDir;
    QTemporaryDir workDir;
    std::vector<UserMessage> messages;
    ShellMessageBox::Answer answer = ShellMessageBox::Answer::Ok;
};
