#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>

#include "RealProgram.h"

namespace
{
const QString kQuestion = QStringLiteral("^Recover Drawings$");
const std::vector<QPoint> kStroke = {{60, 60}, {90, 75}, {120, 90}, {150, 105}, {180, 120}};

int GlobCount(const QJsonObject& info)
{
    return info.value(QStringLiteral("globCount")).toInt(-1);
}

// The recovery copies and their side files of every run, by path.
QStringList FilesIn(const QString& folder, const QString& pattern = QStringLiteral("*"))
{
    QStringList files;
    QDirIterator it(folder, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}
} // namespace

class RealProgramRecoveryTest : public RealProgramTest
{
protected:
    QString RecoveryFolder() const { return DataPath(QStringLiteral("recovery")); }

    // Starts on the example drawing with a copy every second, draws a stroke and waits
    // until a copy holds it; returns that copy.
    QString DrawUntilCopied()
    {
        drawingFile = MakeExampleDrawing();
        const int before = GlobCount(Info(drawingFile));
        Launch({QStringLiteral("--autosave-seconds"), QStringLiteral("1"), drawingFile});
        if (HasFatalFailure())
            return {};
        WaitForDrawing(drawingFile);
        if (HasFatalFailure())
            return {};
        StrokeDrawing(kStroke);
        QString copy;
        WaitFor(Ms(10000), [&] {
            const QStringList copies = FilesIn(RecoveryFolder(), QStringLiteral("*.dbr"));
            copy = copies.isEmpty() ? QString() : copies.first();
            return !copy.isEmpty() && GlobCount(Info(copy)) > before;
        }, 250);
        EXPECT_FALSE(copy.isEmpty()) << "no recovery copy of the stroke was written";
        return copy;
    }
};

TEST_F(RealProgramRecoveryTest, AKilledRunsDrawingIsOfferedAtTheNextStartAndComesBackWhole)
{
    const QString copy = DrawUntilCopied();
    ASSERT_FALSE(copy.isEmpty());
    KillProgram();
    const QJsonObject killed = Info(copy);
    const QJsonObject saved = Info(drawingFile);
    ASSERT_GT(GlobCount(killed), GlobCount(saved)) << "the stroke was never saved by the user";

    ASSERT_NO_FATAL_FAILURE(Launch());
    const QString question = WaitForWindow(kQuestion, Ms(10000));
    ASSERT_FALSE(question.isEmpty()) << "no recovery question; shown: "
                                     << qPrintable(ShownWindowTitles().join(u", "));
    Focus(question);
    Key({QStringLiteral("r")}); // Recover
    ASSERT_TRUE(WaitForWindowGone(kQuestion));
    ASSERT_NO_FATAL_FAILURE(WaitForTitle(drawingFile));

    // Saved again, the recovered drawing goes to its original file with the same records.
    Key({QStringLiteral("ctrl+s")});
    QJsonObject after;
    WaitFor(Ms(5000), [&] {
        after = Info(drawingFile);
        return GlobCount(after) == GlobCount(killed);
    }, 100);
    EXPECT_EQ(after.value(QStringLiteral("globs")), killed.value(QStringLiteral("globs")));
    EXPECT_EQ(after.value(QStringLiteral("colorChanges")), killed.value(QStringLiteral("colorChanges")));
    EXPECT_TRUE(WaitFor(Ms(5000), [&] { return FilesIn(RecoveryFolder(), QStringLiteral("*.dbr")).isEmpty(); }))
        << "the save left a recovery copy: " << qPrintable(FilesIn(RecoveryFolder()).join(u' '));
}

TEST_F(RealProgramRecoveryTest, AClosedProgramLeavesNoCopyBehind)
{
    ASSERT_FALSE(DrawUntilCopied().isEmpty());
    ASSERT_TRUE(RequestClose(MainWindow()));
    const QString question = WaitForWindow(QStringLiteral("^Daubrix$"));
    ASSERT_FALSE(question.isEmpty()) << "no \"Save changes\" question";
    Focus(question);
    Key({QStringLiteral("n")}); // do not save
    ASSERT_TRUE(WaitForExit(Ms(5000))) << qPrintable(ShownWindowTitles().join(u", "));
    EXPECT_EQ(ExitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(RecoveryFolder())) << qPrintable(FilesIn(RecoveryFolder()).join(u' '));
}
