#include <QCheckBox>
#include <QFile>
#include <QPushButton>

#include "ShellFixture.h"
#include "app/ui/CTipDlg.h"

namespace
{
class TipDlgTest : public ShellFixture
{
protected:
    QString path;
    std::unique_ptr<QSettings> storage;
    QSettings* tipStore = nullptr;

    void SetUp() override
    {
        ShellFixture::SetUp();
        storage = std::make_unique<QSettings>("Zentrik", "Daubrix"); // in the test's folder
        tipStore = storage.get();
        path = MakeProgramFolder("; Daubrix tips\nfirst\n;\nsecond\n\nthird\n") + "tips.txt";
    }
    QString OpenAndClose()
    {
        CTipDlg dialog(path, *tipStore);
        return dialog.TipText();
    }
};
} // namespace

TEST_F(TipDlgTest, NextTipCyclesThroughTheTipsAndWraps)
{
    CTipDlg dialog(path, *tipStore);
    QStringList seen{dialog.TipText()};
    for (int i = 0; i < 3; ++i) {
        dialog.NextButton()->click();
        seen.append(dialog.TipText());
    }
    EXPECT_EQ(seen, QStringList({"first", "second", "third", "first"}));
}

TEST_F(TipDlgTest, ReopeningContinuesAndAChangedFileStartsAgain)
{
    {
        CTipDlg dialog(path, *tipStore);
        dialog.NextButton()->click(); // tip 2 shown
    }
    EXPECT_EQ(OpenAndClose(), QString("third"));
    EXPECT_EQ(OpenAndClose(), QString("first"));
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    file.close();
    EXPECT_EQ(OpenAndClose(), QString("first"));
}

TEST_F(TipDlgTest, CloseStoresTheStartUpChoiceButEscapeDoesNot)
{
    {
        CTipDlg dialog(path, *tipStore);
        EXPECT_TRUE(dialog.StartUpBox()->isChecked());
        dialog.StartUpBox()->setChecked(false);
        dialog.reject();
    }
    EXPECT_TRUE(CTipDlg::ShowAtStartUp(*tipStore));
    {
        CTipDlg dialog(path, *tipStore);
        dialog.StartUpBox()->setChecked(false);
        dialog.accept();
    }
    EXPECT_EQ(tipStore->value("Tip/StartUp").toInt(), 1);
    EXPECT_FALSE(CTipDlg::ShowAtStartUp(*tipStore));
}

TEST_F(TipDlgTest, MissingFileAndBadPositionAreReported)
{
    {
        CTipDlg dialog(workDir.filePath("none.txt"), *tipStore);
        EXPECT_EQ(dialog.TipText(), QString("Tips file does not exist in the prescribed directory"));
        EXPECT_FALSE(dialog.NextButton()->isEnabled());
    }
    EXPECT_FALSE(tipStore->contains("Tip/FilePos"));
    OpenAndClose();
    tipStore->setValue("Tip/FilePos", 100000);
    EXPECT_EQ(OpenAndClose(), QString("first"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString("Trouble reading the tips file"));
}
