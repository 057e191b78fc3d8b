#include "shapes/ui/CColorsWnd.h"

#include <QAction>
#include <QFile>
#include <QMenu>

#include "color/ColorConversion.h"
#include "color/ColorsLayout.h"
#include "color/RandomGenerator.h"
#include "palettes/PaletteTestSupport.h"
#include "shapes/ColorPalette.h"
#include "shapes/ShapeFixture.h"

#include <gtest/gtest.h>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class ColorsWndTest : public ::testing::Test
{
protected:
    ColorsWndTest() { FillTable(shapes, {"a_1", "b_1"}); }

    std::unique_ptr<CColorsWnd> Open()
    {
        auto wnd = std::make_unique<CColorsWnd>(palette, random, env.programFolder.path());
        wnd->dialogs = env.dialogs;
        return wnd;
    }
    void AddColors(std::initializer_list<int> hues)
    {
        for (int hue : hues) {
            palette.current = HsvColor{std::int16_t(hue), 200, 200};
            palette.AddToHistory();
        }
    }
    QImage Shot(CColorsWnd& wnd) { return wnd.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    PaletteTestEnvironment env;
    ShapeTable shapes;
    FakeDrawing drawing;
    ColorPalette palette{shapes, &drawing};
    RandomGenerator random{11};
};

TEST_F(ColorsWndTest, NewWindowShowsOneRedEntrySelected)
{
    auto wnd = Open();
    EXPECT_EQ(wnd->windowTitle(), "Colors");
    EXPECT_EQ(palette.History().Count(), 1);
    const QImage shot = Shot(*wnd);
    EXPECT_EQ(shot.pixel(60, 80), qRgb(255, 0, 0));                       // swatch
    EXPECT_EQ(shot.pixel(5 + 40, 5 + 62), ColorsLayout::ToQRgb(HsvToRgb(120, ByteFraction(7), 1.0f)));
    EXPECT_EQ(shot.pixel(3, 100), qRgb(255, 255, 255));                   // selection frames
    EXPECT_EQ(shot.pixel(4, 101), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(5, 5), qRgb(255, 0, 0));                         // inside the marker
    EXPECT_EQ(shot.pixel(6, 6), qRgb(0, 0, 0));                           // the marker
    EXPECT_EQ(shot.pixel(134, 6), qRgb(255, 0, 0));                       // value marker
    EXPECT_EQ(shot.pixel(4, 4), wnd->palette().color(QPalette::Dark).rgb()); // frame on top
    EXPECT_EQ(shot.pixel(125, 68), wnd->palette().color(QPalette::Light).rgb());
}

TEST_F(ColorsWndTest, DraggingInTheFieldClampsThenAppliesOnRelease)
{
    auto wnd = Open();
    SendMouse(*wnd, QEvent::MouseButtonPress, {20, 10});
    EXPECT_EQ(palette.current.hue, 45);
    SendMouse(*wnd, QEvent::MouseMove, {200, 80});
    EXPECT_EQ(palette.current, (HsvColor{360, 0, 255}));
    EXPECT_TRUE(drawing.changes.empty());
    SendMouse(*wnd, QEvent::MouseButtonRelease, {200, 80});
    ASSERT_EQ(drawing.changes.size(), 1u);
    EXPECT_EQ(shapes.Current().Color(), (HsvColor{360, 0, 255}));
    EXPECT_EQ(palette.History().Count(), 2);

    SendMouse(*wnd, QEvent::MouseButtonPress, {140, 67});
    SendMouse(*wnd, QEvent::MouseButtonRelease, {140, 67});
    EXPECT_EQ(palette.current.value, 7);
}

TEST_F(ColorsWndTest, StripClicksSelectOnlyEntries)
{
    AddColors({10, 20});
    auto wnd = Open();
    SendMouse(*wnd, QEvent::MouseButtonPress, {4 + 7 * 3, 104}); // one pixel past the last
    EXPECT_EQ(palette.History().CurrentIndex(), 2);
    EXPECT_TRUE(drawing.changes.empty());
    SendMouse(*wnd, QEvent::MouseButtonPress, {4 + 7 * 1 + 6, 104});
    EXPECT_EQ(palette.History().CurrentIndex(), 1);
    EXPECT_EQ(palette.current.hue, 10);
    EXPECT_EQ(drawing.changes.size(), 1u);
}

TEST_F(ColorsWndTest, DeleteAndClearAreGreyedWithOneEntryAndAskFirst)
{
    auto wnd = Open();
    std::unique_ptr<QMenu> menu(wnd->CreateContextMenu());
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 7);
    EXPECT_EQ(items[2]->text(), "&Delete color");
    EXPECT_FALSE(items[2]->isEnabled());
    EXPECT_FALSE(items[3]->isEnabled());
    wnd->OnDeleteColor();
    EXPECT_TRUE(env.questions.isEmpty());

    AddColors({10, 20});
    env.answer = false;
    wnd->OnDeleteColor();
    EXPECT_EQ(palette.History().Count(), 3);
    env.answer = true;
    wnd->OnDeleteColor();
    EXPECT_EQ(palette.History().Count(), 2);
    wnd->OnClearAllColors();
    EXPECT_EQ(palette.History().Count(), 1);
    EXPECT_EQ(env.questions, QList<int>({0, 0, 1}));
}

TEST_F(ColorsWndTest, ValuesButtonAddsThenApplies)
{
    auto wnd = Open();
    env.typedColor = HsvColor{30, 255, 255};
    wnd->dialogs = env.dialogs;
    wnd->OnColorValues();
    EXPECT_EQ(palette.History().CurrentEntry(), (HsvColor{30, 255, 255}));
    EXPECT_EQ(shapes.Current().Color().hue, 30);
    env.typedColor.reset();
    wnd->dialogs = env.dialogs;
    wnd->OnColorValues();
    EXPECT_EQ(palette.History().Count(), 2);
}

TEST_F(ColorsWndTest, SavedColoursLoadBackAndBadFilesChangeNothing)
{
    auto wnd = Open();
    AddColors({10, 20});
    env.chosenFile = env.files.filePath("three.dch");
    wnd->dialogs = env.dialogs;
    wnd->OnSaveColors();
    EXPECT_EQ(QFile(env.chosenFile).size(), 37);

    palette.ClearHistory();
    wnd->OnLoadColors();
    EXPECT_EQ(palette.History().Count(), 3);
    EXPECT_EQ(palette.current.hue, 20);

    const QString bad = env.files.filePath("bad.dch");
    WriteFile(bad, QByteArray("Daubrix Color History") + QByteArray::fromHex("15000000"));
    EXPECT_FALSE(wnd->ReadHistoryFile(bad));
    EXPECT_FALSE(wnd->ReadHistoryFile(env.files.filePath("missing.dch")));
    EXPECT_EQ(env.messages, QStringList("Not a valid Color file!"));
    EXPECT_EQ(palette.History().Count(), 3);

    EXPECT_FALSE(wnd->WriteHistoryFile(env.files.filePath("no/such/folder/x.dch")));
    EXPECT_EQ(env.messages.last(), "Error writing file");
}

TEST_F(ColorsWndTest, LastRunHistoryLivesInTheUsersFolder)
{
    ColorHistory old;
    old.Add(HsvColor{77, 1, 2});
    WriteFile(env.ProgramFile(PaletteFiles::kLastHistoryName), old.Serialize());
    {
        auto wnd = Open();
        EXPECT_EQ(palette.current.hue, 77); // the program folder's copy, as there is no own one
        AddColors({99});
    }
    const QString own = PaletteTestEnvironment::UserFile(PaletteFiles::kLastHistoryName);
    ASSERT_TRUE(QFile::exists(own));
    EXPECT_EQ(QFile(env.ProgramFile(PaletteFiles::kLastHistoryName)).size(), 29);
    ColorPalette next(shapes, nullptr);
    CColorsWnd again(next, random, env.programFolder.path());
    EXPECT_EQ(next.History().Count(), 2);
    EXPECT_EQ(next.current.hue, 99);
}

TEST_F(ColorsWndTest, CloseBoxOnlyHides)
{
    auto wnd = Open();
    wnd->show();
    int told = 0;
    QObject::connect(wnd.get(), &CColorsWnd::closedByUser, [&] { ++told; });
    EXPECT_FALSE(wnd->close());
    EXPECT_FALSE(wnd->isVisible());
    EXPECT_EQ(told, 1);
}

} // namespace
