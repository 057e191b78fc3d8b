#include <QFileInfo>

#include "RealProgram.h"

// Image > Create movie in the real program.
class RealProgramMovieTest : public RealProgramTest
{
protected:
    QString MovieBesideTheDrawing() const
    {
        const QFileInfo drawing(drawingFile);
        return drawing.absolutePath() + u'/' + drawing.completeBaseName() + QStringLiteral(".mp4");
    }

    // Opens the dialog and answers it with the keys given, then Return.
    void CreateMovie(const QStringList& keys)
    {
        Menu('i', 'c');
        const QString dialog = WaitForWindow(QStringLiteral("^Create movie$"));
        ASSERT_FALSE(dialog.isEmpty()) << "no movie dialog: " << qPrintable(ShownWindowTitles().join(u", "));
        Focus(dialog);
        Key(keys + QStringList{QStringLiteral("Return")});
        ASSERT_TRUE(WaitForWindowGone(QStringLiteral("^Create movie$")));
    }
};

// OK with the dialog's first choices: an MP4 beside the drawing.
TEST_F(RealProgramMovieTest, CreateMovieWritesAVideoBesideTheDrawing)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    ASSERT_NO_FATAL_FAILURE(CreateMovie({}));
    const QString movie = MovieBesideTheDrawing();
    EXPECT_TRUE(WaitFor(Ms(20000), [&] { return QFileInfo(movie).size() > 1000 && !QFile::exists(movie + ".part"); }, 200))
        << "no movie at " << qPrintable(movie);
}

// Esc while the movie is made, then OK in the question: the movie stops and its file goes.
TEST_F(RealProgramMovieTest, EscStopsTheMovieAndRemovesItsFile)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    // 120 frames a second for 10 seconds and a minute's hold: long enough to stop.
    ASSERT_NO_FATAL_FAILURE(CreateMovie({QStringLiteral("alt+r"), QStringLiteral("ctrl+a"), QStringLiteral("1"),
                                         QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("alt+h"),
                                         QStringLiteral("ctrl+a"), QStringLiteral("6"), QStringLiteral("0")}));
    const QString movie = MovieBesideTheDrawing();
    ASSERT_TRUE(WaitFor(Ms(5000), [&] { return QFile::exists(movie + ".part"); }, 20)) << "the movie did not start";
    Focus(MainWindow());
    Key({QStringLiteral("Escape")});
    const QString question = WaitForWindow(QStringLiteral("^Daubrix$"));
    ASSERT_FALSE(question.isEmpty()) << "no question after Esc: " << qPrintable(ShownWindowTitles().join(u", "));
    Focus(question);
    Key({QStringLiteral("Return")});
    ASSERT_TRUE(WaitForWindowGone(QStringLiteral("^Daubrix$")));
    EXPECT_TRUE(WaitFor(Ms(5000), [&] { return !QFile::exists(movie + ".part"); }, 50)) << "the partial file stayed";
    EXPECT_FALSE(QFile::exists(movie));
}
