#include "app/ui/PaletteWindows.h"

#include <QAction>
#include <QSettings>

#include "app/CommandTable.h"
#include "app/DaubrixDrawingDocument.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CommandActions.h"
#include "color/RandomGenerator.h"
#include "palettes/PaletteTestSupport.h"
#include "shapes/ShapeFixture.h"
#include "shapes/ShapeState.h"
#include "shapes/ui/CColorsWnd.h"
#include "shapes/ui/CShapesWnd.h"

#include <gtest/gtest.h>

namespace {

class PaletteWindowsTest : public ::testing::Test
{
protected:
    PaletteWindowsTest()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        FillTable(shapes, {"a_1", "b_1"});
        context.UseDefaultHooks();
    }

    QTemporaryDir settingsDir;
    PaletteTestEnvironment env;
    ShapeTable shapes;
    RandomGenerator random{2};
    AppSettings settings;
    DocumentManager documents{
        [this] { return std::make_unique<DaubrixDrawingDocument>(shapes, false, MessageSink()); }};
    NewDrawingChoice lastNew;
    FrameContext context{settings, documents, lastNew, env.programFolder.path(), {}, {}, {}, {}};
};

TEST_F(PaletteWindowsTest, ViewCommandsToggleThePalettesAndKeepTheSettings)
{
    settings.showColorsWindow = 0;
    settings.colorsWindowX1 = 40;
    settings.colorsWindowY1 = 60;
    CMainFrame frame(context);
    PaletteWindows palettes(shapes, nullptr, random, env.programFolder.path(), &frame);
    palettes.RegisterWith(frame);
    EXPECT_TRUE(palettes.Shapes().isVisible());
    EXPECT_FALSE(palettes.Colors().isVisible());
    EXPECT_EQ(palettes.Colors().pos(), QPoint(40, 60));
    EXPECT_EQ(palettes.Shapes().size(), QSize(100, 130)); // 10..110 by 105..235

    QAction* showShapes = frame.Commands().Action(CommandId::ToggleShapes);
    QAction* showColors = frame.Commands().Action(CommandId::ToggleColors);
    ASSERT_TRUE(showShapes && showColors);
    EXPECT_EQ(showShapes->text(), "&Shapes");
    EXPECT_EQ(showShapes->shortcut(), QKeySequence("Ctrl+1"));
    EXPECT_EQ(showColors->shortcut(), QKeySequence("Ctrl+2"));
    showColors->trigger();
    showShapes->trigger();
    frame.Commands().UpdateAll();
    EXPECT_TRUE(palettes.Colors().isVisible());
    EXPECT_TRUE(showColors->isChecked());
    EXPECT_FALSE(showShapes->isChecked());
    EXPECT_EQ(settings.showShapesWindow, 0);

    palettes.Colors().close(); // the close box hides it and says so
    EXPECT_FALSE(palettes.Colors().isVisible());
    EXPECT_EQ(settings.showColorsWindow, 0);
}

TEST_F(PaletteWindowsTest, FullScreenCycleHidesAndBringsBackThePalettes)
{
    CMainFrame frame(context);
    PaletteWindows palettes(shapes, nullptr, random, env.programFolder.path(), &frame);
    palettes.RegisterWith(frame);
    frame.show();
    frame.CycleScreenMode();
    EXPECT_FALSE(palettes.Shapes().isVisible());
    EXPECT_FALSE(palettes.Colors().isVisible());
    frame.CycleScreenMode();
    frame.CycleScreenMode();
    frame.CycleScreenMode();
    EXPECT_EQ(frame.ScreenStage(), 0);
    EXPECT_TRUE(palettes.Shapes().isVisible());
    EXPECT_TRUE(palettes.Colors().isVisible());
}

TEST_F(PaletteWindowsTest, WindowsClosedWithTheFrameStillWriteTheirFiles)
{
    auto frame = std::make_unique<CMainFrame>(context);
    PaletteWindows palettes(shapes, nullptr, random, env.programFolder.path(), frame.get());
    palettes.RegisterWith(frame->Palettes());
    frame.reset();
    EXPECT_TRUE(QFile::exists(PaletteTestEnvironment::UserFile(PaletteFiles::kLastHistoryName)));
    EXPECT_TRUE(QFile::exists(PaletteTestEnvironment::UserFile(PaletteFiles::kLastStateName)));
}

TEST_F(PaletteWindowsTest, TheColourHistoryDecidesTheStartingColour)
{
    ShapeState state = ShapeState::Capture(shapes);
    state.records[0].color = HsvColor{10, 20, 30};
    ASSERT_TRUE(PaletteFiles::WriteWholeFile(env.ProgramFile(PaletteFiles::kLastStateName),
                                             state.Serialize()));
    ColorHistory history;
    history.Add(HsvColor{200, 100, 50});
    ASSERT_TRUE(PaletteFiles::WriteWholeFile(env.ProgramFile(PaletteFiles::kLastHistoryName),
                                             history.Serialize()));
    PaletteWindows palettes(shapes, nullptr, random, env.programFolder.path(), nullptr);
    EXPECT_EQ(shapes.Current().Color(), (HsvColor{200, 100, 50}));
    EXPECT_EQ(palettes.Palette().current, (HsvColor{200, 100, 50}));
}

} // namespace
