#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>

#include "RealProgram.h"

namespace
{
const QString kTip = QStringLiteral("^Daubrix Tip of the Day$");

// Across the drawing's upper left, clear of the flower in the middle.
const std::vector<QPoint> kStroke = {{60, 60},   {80, 70},   {100, 80},  {120, 90},
                                     {140, 100}, {160, 110}, {180, 120}, {200, 130}};

int GlobCount(const QJsonObject& info)
{
    return info.value(QStringLiteral("globCount")).toInt(-1);
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST_F(RealProgramTest, StrokeSavedWithCtrlSIsInTheFile)
{
    const QString drawing = MakeExampleDrawing();
    const QJsonObject before = Info(drawing);
    settings[QStringLiteral("Tip/StartUp")] = 0;
    ASSERT_NO_FATAL_FAILURE(Launch({drawing}));
    Key({QStringLiteral("Escape")});
    ASSERT_TRUE(WaitForWindowGone(kTip)) << "Escape left the Tip of the Day up";
    ASSERT_NO_FATAL_FAILURE(WaitForDrawing(drawing));

    StrokeDrawing(kStroke);
    Key({QStringLiteral("ctrl+s")});

    QJsonObject after;
    WaitFor(Ms(5000), [&] {
        after = Info(drawing);
        return GlobCount(after) > GlobCount(before);
    }, 100);
    ASSERT_GT(GlobCount(after), GlobCount(before)) << "the file did not gain the stroke";
    const QJsonArray oldGlobs = before.value(QStringLiteral("globs")).toArray();
    const QJsonArray globs = after.value(QStringLiteral("globs")).toArray();
    ASSERT_EQ(globs.size(), GlobCount(after));
    for (qsizetype i = 0; i < oldGlobs.size(); ++i)
        ASSERT_EQ(globs[i], oldGlobs[i]) << "glob " << i << " of the earlier drawing changed";
    // The stroke's own globs lie along it (give or take jitter and the shape's size); the
    // polar copies lie elsewhere.
    const QRect along = QRect(kStroke.front(), kStroke.back()).adjusted(-40, -40, 40, 40);
    int onStroke = 0;
    for (qsizetype i = oldGlobs.size(); i < globs.size(); ++i) {
        const QJsonArray g = globs[i].toArray();
        onStroke += along.contains(g[0].toInt(), g[1].toInt());
    }
    EXPECT_GT(onStroke, 0) << "no new glob lies along the stroke";
}

TEST_F(RealProgramTest, UndoAfterAStrokeShowsTheDrawingAsBefore)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QImage before = DrawingShown();

    StrokeDrawing(kStroke);
    ASSERT_TRUE(WaitForDrawingNot(before)) << "the stroke did not show";
    Key({QStringLiteral("ctrl+z")});
    EXPECT_TRUE(WaitForDrawingShown(before))
        << DifferentPixels(DrawingShown(), before) << " pixels still differ after Ctrl+Z";
}

TEST_F(RealProgramTest, UndoAfterMoveCenterTakesBackOnlyTheStroke)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QImage before = DrawingShown();

    Menu('d', 'm');
    ClickDrawing({400, 300});
    StrokeDrawing(kStroke);
    ASSERT_TRUE(WaitForDrawingNot(before)) << "the stroke did not show";
    Key({QStringLiteral("ctrl+z")});
    EXPECT_TRUE(WaitForDrawingShown(before))
        << DifferentPixels(DrawingShown(), before) << " of " << before.width() * before.height()
        << " pixels differ from the drawing before the stroke";
}

// Every way out of the program keeps the settings and the palettes' last-run files.
namespace
{
enum class WayOut { FileExit, CtrlQ, CloseRequest };

const char* Name(WayOut way)
{
    switch (way) {
    case WayOut::FileExit: return "FileExit";
    case WayOut::CtrlQ: return "CtrlQ";
    case WayOut::CloseRequest: return "CloseRequest";
    }
    return "Unknown";
}

void PrintTo(WayOut way, std::ostream* out)
{
    *out << Name(way);
}
} // namespace

class RealProgramExitTest : public RealProgramTest, public ::testing::WithParamInterface<WayOut>
{
protected:
    void Leave()
    {
        switch (GetParam()) {
        case WayOut::FileExit: Menu('f', 'x'); break;
        case WayOut::CtrlQ: Key({QStringLiteral("ctrl+q")}); break;
        case WayOut::CloseRequest:
            ASSERT_TRUE(RequestClose(MainWindow())) << "could not send the close request";
            break;
        }
    }
};

TEST_P(RealProgramExitTest, EndsTheProcessAndKeepsSettingsAndPalettes)
{
    const QString drawing = MakeExampleDrawing();
    // Only these are set beforehand, so everything else in the file comes from the exit.
    settings = {{QStringLiteral("Tip/StartUp"), 1}, {QStringLiteral("Settings/JitterAmount"), 7}};
    ASSERT_NO_FATAL_FAILURE(Launch({drawing}));
    ASSERT_NO_FATAL_FAILURE(WaitForTitle(drawing));

    ASSERT_NO_FATAL_FAILURE(Leave());
    ASSERT_TRUE(WaitForExit(Ms(3000)))
        << "still running 3 s later, showing: " << qPrintable(ShownWindowTitles().join(u", "));
    EXPECT_EQ(ExitCode(), 0);

    QSettings store(SettingsPath(), QSettings::IniFormat);
    for (const char* name : {"LineMode", "Jitter", "Polar", "PolarCount", "appWindowX1",
                             "appWindowY1", "appWindowX2", "appWindowY2", "colorsWindowX1"})
        EXPECT_TRUE(store.contains(QStringLiteral("Settings/") + QLatin1String(name))) << name;
    EXPECT_EQ(store.value(QStringLiteral("Settings/JitterAmount")).toInt(), 7);
    EXPECT_EQ(store.value(QStringLiteral("Settings/LineMode")).toInt(), 0);
    EXPECT_EQ(store.value(QStringLiteral("Settings/Jitter")).toInt(), 1);
    // With no window manager the window keeps the default place and size the program gave it.
    EXPECT_EQ(store.value(QStringLiteral("Settings/appWindowX1")).toInt(), 0);
    EXPECT_EQ(store.value(QStringLiteral("Settings/appWindowY1")).toInt(), 0);
    EXPECT_EQ(store.value(QStringLiteral("Settings/appWindowX2")).toInt(), 639);
    EXPECT_EQ(store.value(QStringLiteral("Settings/appWindowY2")).toInt(), 479);

    // Colour history: signature, a count of 1 to 20, four bytes a colour.
    const QByteArray history = FileBytes(DataPath(QStringLiteral("DBRlastDBR.dch")));
    ASSERT_GE(history.size(), 25) << "no colour history in the data folder";
    EXPECT_TRUE(history.startsWith("Daubrix Color History"));
    const int colours = quint8(history[21]) | quint8(history[22]) << 8 | quint8(history[23]) << 16 |
                        quint8(history[24]) << 24;
    EXPECT_GE(colours, 1);
    EXPECT_LE(colours, 20);
    EXPECT_EQ(history.size(), 25 + 4 * colours);

    // Shape state: signature, a count byte, eight bytes a shape, the current shape's index.
    const QByteArray state = FileBytes(DataPath(QStringLiteral("DBRlastDBR.dss")));
    ASSERT_GE(state.size(), 21) << "no shape state in the data folder";
    EXPECT_TRUE(state.startsWith("Daubrix Shape State"));
    const RunResult listed =
        Run(ProgramPath(QStringLiteral("daubrix")), {QStringLiteral("--list-shapes")});
    const int shapes = int(QJsonDocument::fromJson(listed.out).array().size());
    EXPECT_EQ(quint8(state[19]), shapes);
    EXPECT_EQ(state.size(), 21 + 8 * shapes);
}

INSTANTIATE_TEST_SUITE_P(WaysOut, RealProgramExitTest,
                         ::testing::Values(WayOut::FileExit, WayOut::CtrlQ, WayOut::CloseRequest),
                         [](const auto& info) { return std::string(Name(info.param)); });

// Colors > Background Color: the paper takes the Colors window's colour, and the saved file
// keeps it.
TEST_F(RealProgramTest, BackgroundColorRepaintsThePaperAndIsSaved)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QImage before = DrawingShown();
    const QString paperBefore = Info(drawingFile).value(QStringLiteral("backgroundColor")).toString();
    Menu('c', 'b');
    ASSERT_TRUE(WaitForDrawingNot(before)) << "the paper did not change";
    const QRgb corner = DrawingShown().pixel(1, 1);
    Key({QStringLiteral("ctrl+s")});
    const QString expected = QString::asprintf("#%02x%02x%02x", qRed(corner), qGreen(corner), qBlue(corner));
    QString saved;
    WaitFor(Ms(5000), [&] {
        saved = Info(drawingFile).value(QStringLiteral("backgroundColor")).toString();
        return saved != paperBefore;
    }, 100);
    EXPECT_EQ(saved, expected) << "the file's paper is not the colour shown";
}

// The right button opens the drawing window's menu; Esc closes it, and nothing is drawn.
TEST_F(RealProgramTest, RightClickOpensTheViewsMenuAndEscClosesItWithoutAGlob)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QImage before = DrawingShown();
    const qsizetype windows = VisibleWindowCount();
    RightClickDrawing({60, 60});
    ASSERT_TRUE(WaitFor(Ms(3000), [&] { return VisibleWindowCount() > windows; }))
        << "no menu opened";
    Key({QStringLiteral("Escape")});
    ASSERT_TRUE(WaitFor(Ms(3000), [&] { return VisibleWindowCount() == windows; }))
        << "the menu stayed open";
    EXPECT_TRUE(WaitForDrawingShown(before)) << "the right click drew on the drawing";
}
