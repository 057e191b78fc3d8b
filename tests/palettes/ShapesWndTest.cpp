#include "shapes/ui/CShapesWnd.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QScrollBar>

#include "color/RandomGenerator.h"
#include "palettes/PaletteTestSupport.h"
#include "shapes/ColorPalette.h"
#include "shapes/ShapeFixture.h"
#include "shapes/ShapeState.h"

#include <gtest/gtest.h>

namespace {

constexpr HsvColor kA{100, 200, 220};

class ShapesWndTest : public ::testing::Test
{
protected:
    // five families, all medium; family c also small
    void Fill() { FillTable(shapes, {"a_1", "b_1", "c_0", "c_1", "d_1", "e_1"}); }

    std::unique_ptr<CShapesWnd> Open(int columns, int rows)
    {
        auto wnd = std::make_unique<CShapesWnd>(palette, random, env.programFolder.path());
        wnd->dialogs = env.dialogs;
        wnd->resize(34 * columns + BarWidth(*wnd), 34 * rows);
        wnd->show();
        return wnd;
    }
    static int BarWidth(const CShapesWnd& wnd) { return wnd.ScrollBar()->sizeHint().width(); }

    PaletteTestEnvironment env;
    ShapeTable shapes;
    FakeDrawing drawing;
    ColorPalette palette{shapes, &drawing};
    RandomGenerator random{3};
};

TEST_F(ShapesWndTest, FiveShapesInTwoColumnsScrollIntoView)
{
    Fill();
    auto wnd = Open(2, 2);
    EXPECT_EQ(wnd->Grid().Columns(), 2);
    EXPECT_EQ(wnd->Grid().Rows(), 3);
    EXPECT_TRUE(wnd->ScrollBar()->isVisibleTo(wnd.get()));
    EXPECT_EQ(wnd->ScrollBar()->maximum(), 1);
    shapes.SetCurrentIndex(5); // the fifth displayed shape
    wnd->EnsureCurrentVisible();
    EXPECT_EQ(wnd->Grid().FirstRow(), 1);
    EXPECT_EQ(wnd->ScrollBar()->value(), 1);
    wnd->resize(34 * 3, 34 * 3);
    EXPECT_FALSE(wnd->ScrollBar()->isVisibleTo(wnd.get()));
    EXPECT_EQ(wnd->Grid().FirstRow(), 0);
}

TEST_F(ShapesWndTest, ClickBelowTheLastShapeSelectsTheLastDisplayed)
{
    Fill();
    auto wnd = Open(2, 4);
    SendMouse(*wnd, QEvent::MouseButtonPress, {50, 34 * 3 + 10});
    SendMouse(*wnd, QEvent::MouseButtonRelease, {50, 34 * 3 + 10});
    EXPECT_EQ(shapes.CurrentIndex(), 5);
    EXPECT_TRUE(drawing.changes.empty());
}

TEST_F(ShapesWndTest, PressOnOneReleaseOnAnotherCopiesTheColour)
{
    Fill();
    shapes.Shape(0).SetColorLater(kA);
    auto wnd = Open(2, 3);
    SendMouse(*wnd, QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(palette.current, kA);
    SendMouse(*wnd, QEvent::MouseButtonRelease, {44, 10});
    EXPECT_EQ(shapes.CurrentIndex(), 1);
    EXPECT_EQ(shapes.Shape(1).Color(), kA);
    ASSERT_EQ(drawing.changes.size(), 1u);
    EXPECT_EQ(drawing.changes[0].shape, 1);
    EXPECT_EQ(palette.History().CurrentEntry(), kA);

    SendMouse(*wnd, QEvent::MouseButtonPress, {10, 10});
    SendMouse(*wnd, QEvent::MouseButtonRelease, {10, 10});
    EXPECT_EQ(shapes.CurrentIndex(), 0);
    EXPECT_EQ(drawing.changes.size(), 1u);
}

TEST_F(ShapesWndTest, HoldingAboveTheWindowScrollsUpToTheTop)
{
    FillTable(shapes, {"a_1", "b_1", "c_1", "d_1", "e_1", "f_1", "g_1", "h_1"});
    auto wnd = Open(2, 1);
    wnd->ScrollBar()->setValue(3);
    ASSERT_EQ(wnd->Grid().FirstRow(), 3);
    SendMouse(*wnd, QEvent::MouseButtonPress, {10, 10});
    SendMouse(*wnd, QEvent::MouseMove, {10, -20});
    QElapsedTimer clock;
    clock.start();
    while (wnd->Grid().FirstRow() > 0 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(wnd->Grid().FirstRow(), 0);
    EXPECT_GE(clock.elapsed(), 2 * CShapesWnd::kAutoScrollMs); // one row per tick
    SendMouse(*wnd, QEvent::MouseButtonRelease, {10, -20});
}

TEST_F(ShapesWndTest, SizeItemsAreGreyedAndCheckedForTheFamily)
{
    Fill();
    auto wnd = Open(2, 3);
    shapes.SetCurrentIndex(0);
    std::unique_ptr<QMenu> menu(wnd->CreateContextMenu());
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 14);
    EXPECT_EQ(items[1]->text(), "&Medium");
    EXPECT_FALSE(items[0]->isEnabled());
    EXPECT_TRUE(items[1]->isEnabled() && items[1]->isChecked());
    EXPECT_FALSE(items[2]->isEnabled());

    shapes.SetCurrentIndex(3);  // c_1
    wnd->OnSize(0);
    EXPECT_EQ(shapes.CurrentIndex(), 2);
    menu.reset(wnd->CreateContextMenu());
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    EXPECT_FALSE(menu->actions()[1]->isChecked());
}

TEST_F(ShapesWndTest, SavedStateLoadsBackAndBadFilesChangeNothing)
{
    FillTable(shapes, {"a_0", "a_1", "b_1", "c_1", "d_1", "e_1", "f_1", "g_1", "h_1", "i_1",
                       "j_1", "k_1"});
    auto wnd = Open(3, 3);
    shapes.Shape(7).SetColorLater(kA);
    shapes.SetCurrentIndex(7);
    env.chosenFile = env.files.filePath("state.dss");
    wnd->dialogs = env.dialogs;
    wnd->OnSaveState();
    EXPECT_EQ(QFile(env.chosenFile).size(), 117);

    shapes.Shape(7).SetColorLater(HsvColor{});
    shapes.SetCurrentIndex(0);
    wnd->OnLoadState();
    EXPECT_EQ(shapes.CurrentIndex(), 7);
    EXPECT_EQ(shapes.Shape(7).Color(), kA);
    EXPECT_TRUE(drawing.changes.empty());

    QFile bad(env.files.filePath("bad.dss"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("Daubrix shape State\x01");
    bad.close();
    EXPECT_FALSE(wnd->ReadStateFile(bad.fileName()));
    EXPECT_EQ(env.messages, QStringList("Not a valid Shape State file!"));
    EXPECT_EQ(shapes.CurrentIndex(), 7);
}

TEST_F(ShapesWndTest, ShowsCurrentShapeFramedOnBlack)
{
    Fill();
    shapes.Shape(1).SetColorLater(HsvColor{120, 255, 255});
    auto wnd = Open(3, 2);
    const QImage shot = wnd->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(0, 0), qRgb(255, 255, 255));   // frame of the current shape
    EXPECT_EQ(shot.pixel(34, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(17 + 34, 17), qRgb(0, 255, 0)); // b_1 in its own colour
    EXPECT_FALSE(shapes.Shape(1).RecolorPending());
}

TEST_F(ShapesWndTest, CloseBoxOnlyHidesAndMinimumSizeHolds)
{
    Fill();
    auto wnd = Open(2, 2);
    EXPECT_EQ(wnd->minimumSize(), QSize(64, 58));
    int told = 0;
    QObject::connect(wnd.get(), &CShapesWnd::closedByUser, [&] { ++told; });
    EXPECT_FALSE(wnd->close());
    EXPECT_FALSE(wnd->isVisible());
    EXPECT_EQ(told, 1);
}

} // namespace
