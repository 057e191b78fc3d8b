#include <QJsonArray>

#include "RealProgram.h"

namespace
{
// Across the drawing's upper left, clear of the flower in the middle.
const std::vector<QPoint> kStroke = {{60, 60}, {80, 70}, {100, 80}, {120, 90}, {140, 100}};

int GlobCount(const QJsonObject& info)
{
    return info.value(QStringLiteral("globCount")).toInt(-1);
}

QPoint GlobAt(const QJsonArray& globs, qsizetype i)
{
    const QJsonArray g = globs[i].toArray();
    return QPoint(g[0].toInt(), g[1].toInt());
}
} // namespace

// Cut, Copy, Paste and patterns in the real program.
class RealProgramTransferTest : public RealProgramTest
{
protected:
    // A command's one-question dialog: keys to pick the answer, then Return for OK.
    void Answer(const QString& title, const QStringList& keys)
    {
        const QString dialog = WaitForWindow(QLatin1Char('^') + title + QLatin1Char('$'));
        ASSERT_FALSE(dialog.isEmpty()) << "no " << qPrintable(title) << " dialog: "
                                       << qPrintable(ShownWindowTitles().join(u", "));
        Focus(dialog);
        Key(QStringList(keys) << QStringLiteral("Return"));
        ASSERT_TRUE(WaitForWindowGone(QLatin1Char('^') + title + QLatin1Char('$')));
        Focus(MainWindow());
        // Commands are enabled by the frame's idle update, a quarter of a second apart.
        WaitFor(Ms(400), [] { return false; });
    }

    // Ctrl+S; an untitled drawing is named in the Save As dialog. The file's records.
    QJsonObject Save(const QString& path)
    {
        Key({QStringLiteral("ctrl+s")});
        if (!path.isEmpty()) {
            const QString files = WaitForWindow(QStringLiteral("^(Save As|Daubrix)$"));
            EXPECT_FALSE(files.isEmpty()) << "no save dialog";
            Focus(files);
            Type(path);
            Key({QStringLiteral("Return")});
        }
        const QString file = path.isEmpty() ? drawingFile : path;
        QJsonObject info;
        const int before = GlobCount(info);
        WaitFor(Ms(5000), [&] { return GlobCount(info = Info(file)) != before && GlobCount(info) >= 0; }, 100);
        return info;
    }
};

TEST_F(RealProgramTransferTest, CopyNewPasteLaysTheGlobsInTheNewDrawing)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QJsonObject source = Info(drawingFile);
    ASSERT_GT(GlobCount(source), 0);
    Key({QStringLiteral("ctrl+c")});
    ASSERT_NO_FATAL_FAILURE(Answer(QStringLiteral("Copy"), {}));
    Key({QStringLiteral("ctrl+n")});
    ASSERT_NO_FATAL_FAILURE(Answer(QStringLiteral("New Drawing"), {}));
    Key({QStringLiteral("ctrl+v")});
    ASSERT_NO_FATAL_FAILURE(Answer(QStringLiteral("Paste"), {}));

    const QJsonObject pasted = Save(ScratchPath(QStringLiteral("pasted.dbr")));
    ASSERT_EQ(GlobCount(pasted), GlobCount(source)) << qPrintable(ProgramOutput());
    // Every glob moves by the same amount: the new drawing's centre minus the source's.
    const QJsonArray from = source.value(QStringLiteral("globs")).toArray();
    const QJsonArray to = pasted.value(QStringLiteral("globs")).toArray();
    const QPoint offset = GlobAt(to, 0) - GlobAt(from, 0);
    for (qsizetype i = 0; i < from.size(); ++i)
        ASSERT_EQ(GlobAt(to, i) - GlobAt(from, i), offset) << "glob " << i;
}

TEST_F(RealProgramTransferTest, PatternModeWithAStampsThePatternAtAClick)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const int start = GlobCount(Info(drawingFile));
    StrokeDrawing(kStroke);
    const int stroked = GlobCount(Save({}));
    ASSERT_GT(stroked, start);

    Key({QStringLiteral("ctrl+e")});
    ASSERT_NO_FATAL_FAILURE(Answer(QStringLiteral("Define Pattern"), {QStringLiteral("Right")})); // Last Section Only
    Key({QStringLiteral("a")});
    ASSERT_NO_FATAL_FAILURE(Answer(QStringLiteral("Pattern"), {QStringLiteral("Left")})); // On
    const QImage before = DrawingShown();
    ClickDrawing({300, 300});
    ASSERT_TRUE(WaitForDrawingNot(before)) << "the click stamped nothing";
    const int stamped = GlobCount(Save({}));
    // Each pattern glob comes with its mirror copies, so the stamp lays at least the stroke again.
    EXPECT_GE(stamped - stroked, stroked - start);
}
