#include <QDir>
#include <QFileInfo>

#include "ShellFixture.h"
#include "app/DrawingRecovery.h"
#include "app/RecoveryStore.h"
#include "app/ui/CDaubrixApp.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/DrawingWindows.h"
#include "model/CDaubrixDoc.h"

namespace
{
using Answer = RecoveryQuestion::Answer;

class RecoveryStartupTest : public ShellFixture
{
protected:
    QString folder;
    QString recoveryFolder;
    std::vector<int> asked;

    void SetUp() override
    {
        ShellFixture::SetUp();
        Store().setValue("Tip/StartUp", 1);
        folder = MakeProgramFolder();
        recoveryFolder = workDir.filePath("recovery");
    }

    CDaubrixApp::StartupHooks Hooks(Answer answer)
    {
        CDaubrixApp::StartupHooks hooks;
        hooks.programFolder = folder;
        hooks.recoveryFolder = recoveryFolder;
        hooks.runModal = [](QDialog&) { return int(QDialog::Rejected); };
        hooks.askRecovery = [this, answer](QWidget*, int count) {
            asked.push_back(count);
            return answer;
        };
        return hooks;
    }

    // A run that drew three globs in a saved drawing and then died: its copy stays.
    QByteArray LeaveACopy()
    {
        QByteArray bytes;
        {
            CDaubrixApp app(Hooks(Answer::Later));
            EXPECT_TRUE(app.Start());
            DocumentManager::Drawing* drawing = app.Frame()->Drawings().AddDrawing(QSize(300, 200));
            for (int i = 0; i < 3; ++i)
                EXPECT_TRUE(drawing->document->Doc().Records().AddGlob(40 + 10 * i, 50));
            bytes = drawing->document->Write().bytes;
        }
        RecoveryStore crashed(recoveryFolder);
        EXPECT_TRUE(crashed.Begin());
        EXPECT_TRUE(crashed.Write(1, bytes, {workDir.filePath("flower.dbr"), "flower.dbr", QDateTime::currentDateTimeUtc()}));
        return bytes;
    }

    int FilesLeft() const
    {
        int files = 0;
        for (const QString& session : QDir(recoveryFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            files += int(QDir(recoveryFolder + u'/' + session).entryList({"*.dbr"}, QDir::Files).size());
        return files;
    }
};
} // namespace

TEST_F(RecoveryStartupTest, RecoverOpensTheCopyAsTheModifiedOriginalAndKeepsACopyOfThisRun)
{
    const QByteArray bytes = LeaveACopy();
    {
        CDaubrixApp app(Hooks(Answer::Recover));
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(asked, std::vector<int>{1});
        ASSERT_EQ(app.Documents().Drawings().size(), 1u);
        DocumentManager::Drawing& drawing = *app.Documents().Drawings().front();
        EXPECT_TRUE(drawing.modified);
        EXPECT_EQ(drawing.title, QString("flower.dbr"));
        EXPECT_EQ(drawing.path, workDir.filePath("flower.dbr"));
        EXPECT_EQ(drawing.document->Write().bytes, bytes) << "the same records";
        EXPECT_EQ(app.Frame()->windowTitle(), QString("Daubrix - flower.dbr"));
        app.Recovery()->Flush();
        EXPECT_EQ(FilesLeft(), 1) << "the old copy went, this run's took its place";
        EXPECT_TRUE(RecoveryStore(recoveryFolder).LeftOver().empty());
    }
    EXPECT_FALSE(QFileInfo::exists(recoveryFolder)) << "a clean exit leaves nothing";
}

TEST_F(RecoveryStartupTest, DiscardDropsTheCopiesAndLaterKeepsThemForTheNextStart)
{
    for (Answer answer : {Answer::Discard, Answer::Later}) {
        asked.clear();
        LeaveACopy();
        {
            CDaubrixApp app(Hooks(answer));
            ASSERT_TRUE(app.Start());
            EXPECT_EQ(asked, std::vector<int>{1});
            EXPECT_TRUE(app.Documents().Drawings().empty());
        }
        EXPECT_EQ(FilesLeft(), answer == Answer::Later ? 1 : 0);
        RecoveryStore(recoveryFolder).DiscardLeftOver();
        QDir(recoveryFolder).removeRecursively();
    }
}

TEST_F(RecoveryStartupTest, NoQuestionWithoutCopies)
{
    CDaubrixApp app(Hooks(Answer::Recover));
    ASSERT_TRUE(app.Start());
    EXPECT_TRUE(asked.empty());
}
