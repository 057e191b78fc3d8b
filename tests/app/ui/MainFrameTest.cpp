#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "ShellFixture.h"
#include "app/DaubrixDrawingDocument.h"
#include "shapes/ShapeTable.h"
#include "app/CommandTable.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CommandActions.h"
#include "app/ui/DrawingWindows.h"

namespace
{
class MainFrameTest : public ShellFixture
{
protected:
    AppSettings settings;
    ShapeTable shapes;
    DocumentManager documents{
        [this] { return std::make_unique<DaubrixDrawingDocument>(shapes, false, MessageSink()); }};
    NewDrawingChoice lastNew;
    std::vector<QString> modals;
    std::unique_ptr<CMainFrame> frame;

    void SetUp() override
    {
        ShellFixture::SetUp();
        FrameContext context{settings, documents, lastNew, MakeProgramFolder(), {}, {}, {}, {}};
        context.runModal = [this](QDialog& dialog) {
            modals.push_back(QString::fromLatin1(dialog.metaObject()->className()));
            return int(QDialog::Rejected);
        };
        frame = std::make_unique<CMainFrame>(context);
        frame->resize(700, 500);
        frame->show();
        QApplication::processEvents();
    }

    QStringList MenuTitles() const
    {
        QStringList titles;
        for (QAction* action : frame->menuBar()->actions())
            titles.append(action->text());
        return titles;
    }

    QWidget* AddPalette()
    {
        auto* palette = new QWidget(frame.get(), Qt::Tool);
        frame->RegisterPalette(PaletteRegistration::Shapes(palette));
        return palette;
    }

    void Settle() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
} // namespace

TEST_F(MainFrameTest, MenusFollowWhetherADrawingIsOpen)
{
    EXPECT_EQ(MenuTitles(), QStringList({"&File", "&View", "&Help"}));
    frame->Drawings().AddDrawing(QSize(200, 150));
    EXPECT_EQ(MenuTitles(), QStringList({"&File", "&Edit", "&View", "&Drawing", "&Image", "&Colors", "&Window", "&Help"}));
    EXPECT_TRUE(frame->Commands().Action(CommandId::FileSave)->isEnabled());
    frame->Drawings().ActiveChild()->close();
    Settle();
    EXPECT_EQ(MenuTitles(), QStringList({"&File", "&View", "&Help"}));
    EXPECT_TRUE(documents.Drawings().empty());
}

TEST_F(MainFrameTest, TipOfTheDayIsAddedToTheHelpMenuOnce)
{
    QMenu* help = frame->HelpMenu();
    ASSERT_NE(help, nullptr);
    emit help->aboutToShow();
    emit help->aboutToShow();
    frame->Drawings().AddDrawing(QSize(200, 150)); // the other menu set has its own Help menu
    emit frame->HelpMenu()->aboutToShow();
    for (QMenu* menu : {help, frame->HelpMenu()}) {
        const QList<QAction*> items = menu->actions();
        ASSERT_GE(items.size(), 2);
        EXPECT_EQ(items[0]->text(), QString("Ti&p of the Day..."));
        EXPECT_TRUE(items[1]->isSeparator());
        EXPECT_EQ(std::count(items.begin(), items.end(), items[0]), 1);
    }
    frame->Commands().Trigger(CommandId::TipOfTheDay);
    frame->Commands().Trigger(CommandId::About);
    EXPECT_EQ(modals, std::vector<QString>({"CTipDlg", "CAboutDlg"}));
}

TEST_F(MainFrameTest, ToolbarsHoldTheExistingCommandsInOrder)
{
    QStringList tips;
    for (QAction* action : frame->Toolbar1()->actions())
        tips.append(action->isSeparator() ? QString("|") : action->toolTip());
    EXPECT_EQ(tips, QStringList({"New", "Open", "Save", "|", "Cut", "Copy", "Paste", "|", "Print",
                                 "Print Preview", "Help"}));
    for (QAction* action : frame->Toolbar1()->actions())
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull());
    EXPECT_EQ(frame->Commands().Action(CommandId::FileNew)->statusTip(), QString("Create a new drawing"));
}

TEST_F(MainFrameTest, ScreenModeCycleHidesPalettesThenBarsThenFillsTheScreen)
{
    QWidget* palette = AddPalette();
    EXPECT_TRUE(palette->isVisible());
    frame->CycleScreenMode();
    EXPECT_FALSE(palette->isVisible());
    EXPECT_TRUE(frame->Toolbar1()->isVisible());
    frame->CycleScreenMode();
    EXPECT_FALSE(frame->Toolbar1()->isVisible());
    EXPECT_FALSE(frame->statusBar()->isVisible());
    frame->CycleScreenMode();
    EXPECT_EQ(frame->ScreenStage(), 3);
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_FALSE(frame->menuBar()->isVisible()); // the menu bar is outside the screen too
    frame->CycleScreenMode();
    EXPECT_EQ(frame->ScreenStage(), 0);
    EXPECT_FALSE(frame->isFullScreen());
    EXPECT_TRUE(frame->menuBar()->isVisible());
    EXPECT_TRUE(palette->isVisible());
    EXPECT_TRUE(frame->Toolbar1()->isVisible());
    EXPECT_TRUE(frame->statusBar()->isVisible());
    EXPECT_EQ(settings.showShapesWindow, 1);
}

TEST_F(MainFrameTest, ClosingMidCycleStoresThePlacementFromBeforeTheCycle)
{
    QWidget* palette = AddPalette();
    frame->move(20, 30);
    QApplication::processEvents();
    frame->CycleScreenMode();
    frame->CycleScreenMode();
    ASSERT_TRUE(frame->close());
    EXPECT_EQ(settings.showShapesWindow, 1);
    EXPECT_TRUE(palette->isVisible());
    EXPECT_TRUE(frame->Toolbar1()->isVisibleTo(frame.get()));
    EXPECT_EQ(QRect(QPoint(settings.appWindowX1, settings.appWindowY1),
                    QPoint(settings.appWindowX2, settings.appWindowY2)),
              QRect(QPoint(20, 30), QPoint(720, 530)));
    EXPECT_EQ(settings.appWindowShowCmd, 1);
}

TEST_F(MainFrameTest, ClosingWithOnlyThePalettesHiddenLeavesAHiddenToolbarHidden)
{
    QWidget* palette = AddPalette();
    frame->Toolbar1()->hide();
    frame->CycleScreenMode(); // palettes hidden; the bars were never touched
    ASSERT_TRUE(frame->close());
    EXPECT_TRUE(palette->isVisible());
    EXPECT_FALSE(frame->Toolbar1()->isVisibleTo(frame.get()));
    EXPECT_TRUE(frame->statusBar()->isVisibleTo(frame.get()));
}

TEST_F(MainFrameTest, TogglingAPaletteTwiceKeepsItsPlaceAndSetting)
{
    settings.shapesWindowX1 = 50;
    settings.shapesWindowY1 = 60;
    settings.shapesWindowX2 = 170;
    settings.shapesWindowY2 = 200;
    QWidget* palette = AddPalette();
    EXPECT_EQ(QRect(palette->pos(), palette->size()), QRect(50, 60, 120, 140));
    QAction* toggle = frame->Commands().Action(CommandId::ToggleShapes);
    toggle->trigger();
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(settings.showShapesWindow, 0);
    toggle->trigger();
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(settings.showShapesWindow, 1);
    EXPECT_EQ(QRect(palette->pos(), palette->size()), QRect(50, 60, 120, 140));
    palette->close(); // its own close box
    EXPECT_EQ(settings.showShapesWindow, 0);
}

TEST_F(MainFrameTest, StatusBarShowsProgress)
{
    frame->ShowProgress(5);
    EXPECT_EQ(frame->PaneText(1), QString(" 5%"));
    frame->ShowProgress(100);
    EXPECT_EQ(frame->PaneText(1), QString("100%"));
    frame->ClearProgress();
    EXPECT_EQ(frame->PaneText(1), QString(" "));
    frame->SetPaneText(0, "Rebuilding");
    EXPECT_EQ(frame->PaneText(0), QString("Rebuilding"));
}

TEST_F(MainFrameTest, ClosingAModifiedDrawingAsksFirst)
{
    DocumentManager::Drawing* drawing = frame->Drawings().AddDrawing(QSize(200, 150));
    frame->Drawings().SetModified(*drawing, true);
    CChildFrame* child = frame->Drawings().ChildOf(*drawing);
    EXPECT_TRUE(child->isWindowModified());
    answer = ShellMessageBox::Answer::Cancel;
    EXPECT_FALSE(child->close());
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, QString("Save changes to Daubrix1?"));
    answer = ShellMessageBox::Answer::No;
    EXPECT_TRUE(child->close());
    Settle();
    EXPECT_TRUE(documents.Drawings().empty());
}

TEST_F(MainFrameTest, DroppedDrawingsAreOpened)
{
    DocumentManager::Drawing* drawing = frame->Drawings().AddDrawing(QSize(321, 123));
    const QString path = workDir.filePath("dropped.dbr");
    ASSERT_TRUE(documents.Save(*drawing, path).ok());
    frame->Drawings().ChildOf(*drawing)->close();
    Settle();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: the application only passes on drops of a real drag.
    static_cast<QObject*>(frame.get())->event(&drop);
    ASSERT_EQ(documents.Drawings().size(), 1u);
    EXPECT_EQ(documents.Drawings()[0]->document->Size(), QSize(321, 123));
    EXPECT_EQ(frame->windowTitle(), QString("Daubrix - dropped.dbr"));
}

// The status bar's shown or hidden state is kept with the toolbars' between runs.
TEST_F(MainFrameTest, AHiddenStatusBarStaysHiddenNextRun)
{
    frame->statusBar()->hide();
    ASSERT_TRUE(frame->close());
    frame.reset();
    FrameContext context{settings, documents, lastNew, MakeProgramFolder(), {}, {}, {}, {}};
    CMainFrame next(context);
    next.show();
    QApplication::processEvents();
    EXPECT_FALSE(next.statusBar()->isVisible());
    EXPECT_TRUE(next.Toolbar1()->isVisible());
}

// CAP, NUM and SCRL show only while their lock is on; without a keyboard to ask, never.
TEST_F(MainFrameTest, LockIndicatorsShowOnlyWhileTheLockIsOn)
{
    int shown = 0;
    for (QLabel* label : frame->statusBar()->findChildren<QLabel*>())
        if (QStringList({"CAP", "NUM", "SCRL"}).contains(label->text()))
            shown += label->isVisibleTo(frame.get()) ? 1 : 0;
    EXPECT_EQ(shown, 0);
}

// A palette kept minimised comes back minimised.
TEST_F(MainFrameTest, APaletteComesBackInItsKeptShowState)
{
    auto* history = new QWidget(frame.get(), Qt::Tool);
    settings.showUndoSlider = 1;
    settings.undoSliderShowCmd = 2;
    frame->RegisterPalette(PaletteRegistration::History(history));
    EXPECT_TRUE(history->isMinimized());
    auto* shapes = new QWidget(frame.get(), Qt::Tool);
    settings.showShapesWindow = 1;
    settings.shapesWindowShowCmd = 1;
    frame->RegisterPalette(PaletteRegistration::Shapes(shapes));
    EXPECT_TRUE(shapes->isVisible());
    EXPECT_FALSE(shapes->isMinimized());
}
