#include "RealProgram.h"

// A colour key pressed while the button is down changes the colour at once, but the Colors
// window shows it only when the stroke ends.
TEST_F(RealProgramTest, AColourKeyDuringAStrokeReachesTheColorsWindowAtTheRelease)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QString colorsWindow = WaitForWindow(QStringLiteral("^Colors$"));
    ASSERT_FALSE(colorsWindow.isEmpty()) << "no Colors window";
    const QRect colors = WindowRect(colorsWindow);
    ASSERT_FALSE(colors.isEmpty());
    const auto colorsShown = [&] { return Screenshot().copy(colors); };
    const QImage before = colorsShown();
    const int recordsBefore = Info(drawingFile).value(QStringLiteral("colorChangeCount")).toInt(-1);

    PressDrawing({60, 60});
    Key({QStringLiteral("e"), QStringLiteral("e"), QStringLiteral("e"), QStringLiteral("e")});
    ReleaseDrawing({90, 70});
    EXPECT_TRUE(WaitFor(Ms(3000), [&] { return DifferentPixels(colorsShown(), before) != 0; }))
        << "the Colors window still shows the old colour after the release";

    Key({QStringLiteral("ctrl+s")});
    EXPECT_TRUE(WaitFor(Ms(5000), [&] {
        return Info(drawingFile).value(QStringLiteral("colorChangeCount")).toInt(-1) > recordsBefore;
    }, 100)) << "the colour keys recorded no colour change";
}

// Simulate Depth recolours the drawing; Undo gives back exactly the pixels it had.
TEST_F(RealProgramTest, SimulateDepthThenUndoGivesBackTheSamePixels)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QImage before = DrawingShown();
    Key({QStringLiteral("ctrl+d")});
    const QString dialog = WaitForWindow(QStringLiteral("^Simulate Depth$"));
    ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+D opened no dialog";
    Focus(dialog);
    Key({QStringLiteral("Return")});
    ASSERT_TRUE(WaitForWindowGone(QStringLiteral("^Simulate Depth$")));
    ASSERT_TRUE(WaitForDrawingNot(before)) << "the drawing was not recoloured";
    // The first change seen may be the dialog's hole in the picture; the recolouring ends later.
    ASSERT_TRUE(WaitForDrawingSteady()) << "the drawing kept changing";
    Focus(MainWindow());
    Key({QStringLiteral("ctrl+z")});
    EXPECT_TRUE(WaitForDrawingShown(before))
        << "Undo did not give the old pixels back: " << DifferentPixels(DrawingShown(), before) << " differ";
}
