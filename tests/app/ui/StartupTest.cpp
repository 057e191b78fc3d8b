#include <QApplication>
#include <QFile>
#include <QScreen>

#include "ShellFixture.h"
#include "app/ui/CDaubrixApp.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CTipDlg.h"
#include "app/ui/DrawingWindows.h"

namespace
{
class StartupTest : public ShellFixture
{
protected:
    std::vector<QString> modalDialogs;

    CDaubrixApp::StartupHooks Hooks(const QString& folder)
    {
        CDaubrixApp::StartupHooks hooks;
        hooks.programFolder = folder;
        hooks.runModal = [this](QDialog& dialog) {
            modalDialogs.push_back(QString::fromLatin1(dialog.metaObject()->className()));
            return int(QDialog::Rejected);
        };
        return hooks;
    }
};
} // namespace

TEST_F(StartupTest, FailuresBeforeTheSettingsEndTheProgramAndWriteNothing)
{
    Store().setValue("Settings/AutoHueSpeed", 7);
    const QString withShapes = MakeProgramFolder();
    const struct
    {
        QString folder;
        bool prepares;
        QString message;
    } cases[] = {
        {workDir.filePath("nowhere/"), true, "Shapes not found!"},
        {withShapes, false, CDaubrixApp::ShapeCursorsText()},
    };
    for (const auto& c : cases) {
        messages.clear();
        CDaubrixApp::StartupHooks hooks = Hooks(c.folder);
        hooks.prepareShapes = [&] { return c.prepares; };
        {
            CDaubrixApp app(hooks);
            EXPECT_FALSE(app.Start());
            EXPECT_EQ(app.Frame(), nullptr);
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(Store().allKeys(), QStringList({"Settings/AutoHueSpeed"}));
    }
    EXPECT_TRUE(modalDialogs.empty());
}

TEST_F(StartupTest, StartsWithNoDrawingAtTheDefaultPlaceAndWritesSettingsAtExit)
{
    Store().setValue("Tip/StartUp", 1);
    {
        CDaubrixApp app(Hooks(MakeProgramFolder()));
        ASSERT_TRUE(app.Start());
        ASSERT_NE(app.Frame(), nullptr);
        EXPECT_TRUE(app.Frame()->isVisible());
        EXPECT_TRUE(app.Documents().Drawings().empty());
        EXPECT_EQ(app.Frame()->size(), QSize(639, 479));
        EXPECT_FALSE(app.Loading());
    }
    EXPECT_TRUE(modalDialogs.empty());
    EXPECT_EQ(Store().value("Settings/appWindowX2").toInt(), 639);
    EXPECT_EQ(Store().value("Settings/AutoHueSpeed").toInt(), 5);
}

TEST_F(StartupTest, TipOfTheDayOpensAtStartOnlyWhenSwitchedOn)
{
    for (int startUp : {0, 1}) {
        modalDialogs.clear();
        Store().setValue("Tip/StartUp", startUp);
        CDaubrixApp app(Hooks(MakeProgramFolder()));
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(modalDialogs, startUp == 0 ? std::vector<QString>{"CTipDlg"}
                                             : std::vector<QString>{});
    }
}

TEST_F(StartupTest, CommandLineDrawingIsOpenedAndABadOneIsReported)
{
    Store().setValue("Tip/StartUp", 1);
    const QString folder = MakeProgramFolder();
    QString saved = workDir.filePath("first.dbr");
    {
        CDaubrixApp app(Hooks(folder));
        ASSERT_TRUE(app.Start());
        DocumentManager::Drawing* drawing = app.Frame()->Drawings().AddDrawing(QSize(300, 200));
        ASSERT_TRUE(app.Documents().Save(*drawing, saved).ok());
    }
    QFile bad(workDir.filePath("bad.dbr"));
    bad.open(QIODevice::WriteOnly);
    bad.write("not a drawing");
    bad.close();

    CDaubrixApp::StartupHooks hooks = Hooks(folder);
    hooks.arguments = QStringList({saved});
    CDaubrixApp app(hooks);
    ASSERT_TRUE(app.Start());
    ASSERT_EQ(app.Documents().Drawings().size(), 1u);
    EXPECT_EQ(app.Documents().Drawings()[0]->document->Size(), QSize(300, 200));
    EXPECT_EQ(app.Documents().Recent().Files().first(), QFileInfo(saved).canonicalFilePath());

    app.Frame()->Drawings().OpenDrawing(bad.fileName());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString("Unexpected file format."));
    EXPECT_EQ(app.Documents().Drawings().size(), 1u);
}

TEST_F(StartupTest, MainWindowPlacementSurvivesARestart)
{
    Store().setValue("Tip/StartUp", 1);
    const QString folder = MakeProgramFolder();
    {
        CDaubrixApp app(Hooks(folder));
        ASSERT_TRUE(app.Start());
        app.Frame()->resize(500, 400);
        app.Frame()->move(30, 40);
        QApplication::processEvents();
        EXPECT_TRUE(app.Frame()->close());
    }
    EXPECT_EQ(Store().value("Settings/appWindowX1").toInt(), 30);
    EXPECT_EQ(Store().value("Settings/appWindowY2").toInt(), 440);
    CDaubrixApp again(Hooks(folder));
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(again.Frame()->pos(), QPoint(30, 40));
    EXPECT_EQ(again.Frame()->size(), QSize(500, 400));
}
