#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "HeadlessRun.h"
#include "app/HeadlessCommands.h"
#include "app/HeadlessDrawing.h"
#include "imaging/MovieOutput.h"
#include "imaging/PngSequenceWriter.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"
#include "view/MovieRecorder.h"

namespace
{
QString Folder() { return ProgramFolderForTests(); }

std::optional<int> Headless(const QStringList& args) { return RunHeadlessQuietly(args); }

// Three strokes in changing colours on a 160 × 120 drawing: 30 globs or so.
QString StrokesDrawing(const QTemporaryDir& dir)
{
    HeadlessDrawing d(5);
    QString message;
    EXPECT_TRUE(d.LoadShapes(Folder(), message));
    EXPECT_TRUE(d.Doc().NewDrawing(160, 120));
    DrawingModes modes;
    modes.symmetry.polar = false;
    modes.jitter = false;
    AutoChangeState drift;
    DrawingSession session(d.Doc(), DrawingTools{d.Shapes(), modes, drift, d.Random(), nullptr});
    session.InitialUpdate();
    for (int stroke = 0; stroke < 3; ++stroke) {
        d.Shapes().Current().SetColorLater(HsvColor{std::int16_t(stroke * 120), 255, 255});
        session.Strokes().Press({10, 20 + 35 * stroke}, {});
        for (int x = 20; x <= 150; x += 13)
            session.Strokes().Move({x, 20 + 35 * stroke + x / 10}, {});
        session.Strokes().Release();
    }
    const QString path = dir.filePath(QStringLiteral("strokes.dbr"));
    EXPECT_TRUE(d.Save(path, message));
    return path;
}

// The drawing as the window shows it at a history position: the view's own paint path.
QImage ShownAt(const QString& drawing, int position)
{
    HeadlessDrawing d;
    QString message;
    EXPECT_TRUE(d.LoadShapes(Folder(), message) && d.Open(drawing, message));
    d.Canvas().SetHistoryPosition(position);
    d.Canvas().Paint({});
    return d.Canvas().DrawingImage();
}

QImage Frame(const QString& folder, int number)
{
    return QImage(QDir(folder).filePath(PngSequenceWriter::FrameName(number))).convertToFormat(QImage::Format_RGB32);
}

QJsonObject Probe(const QString& video)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
                 QStringLiteral("-show_entries"), QStringLiteral("stream=codec_name,width,height,r_frame_rate,nb_read_frames"),
                 QStringLiteral("-of"), QStringLiteral("json"), video});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(probe.readAllStandardOutput())
        .object()[QStringLiteral("streams")].toArray()[0].toObject();
}
} // namespace

// A picture sequence: frame k is the drawing shown up to its globs, the last is the export.
TEST(HeadlessMovie, PictureSequenceFramesAreTheDrawingsPrefixes)
{
    QTemporaryDir dir;
    const QString drawing = StrokesDrawing(dir);
    const QString folder = dir.filePath(QStringLiteral("frames"));
    ASSERT_EQ(Headless({QStringLiteral("--movie"), folder, drawing, QStringLiteral("--globs-per-frame"),
                        QStringLiteral("7"), QStringLiteral("--hold"), QStringLiteral("0")}),
              0);
    HeadlessDrawing d;
    QString message;
    ASSERT_TRUE(d.LoadShapes(Folder(), message) && d.Open(drawing, message));
    const int globs = d.Doc().Records().GlobCount();
    ASSERT_GT(globs, 20);
    const int frames = (globs + 6) / 7;
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), frames);
    for (int k = 1; k < frames; ++k)
        EXPECT_EQ(Frame(folder, k), ShownAt(drawing, 7 * k)) << "frame " << k;
    const QString exported = dir.filePath(QStringLiteral("export.png"));
    ASSERT_EQ(Headless({QStringLiteral("--export"), exported, drawing}), 0);
    EXPECT_EQ(Frame(folder, frames), QImage(exported).convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(Frame(folder, 1), Frame(folder, frames));
}

// The videos open with FFmpeg's own reader with their frames, size and rate.
TEST(HeadlessMovie, VideosOpenWithTheirFramesSizeAndRate)
{
    if (!CanWriteVideo() || QStandardPaths::findExecutable(QStringLiteral("ffprobe")).isEmpty())
        GTEST_SKIP() << "needs FFmpeg's libraries and ffprobe";
    QTemporaryDir dir;
    const QString drawing = StrokesDrawing(dir);
    struct Case
    {
        const char* file;
        QStringList options;
        const char* codec;
        int width, height, frames;
        const char* rate;
    };
    const Case cases[] = {
        {"movie.mp4", {QStringLiteral("--fps"), QStringLiteral("25"), QStringLiteral("--seconds"), QStringLiteral("2"),
                       QStringLiteral("--hold"), QStringLiteral("1")}, "h264", 160, 120, 75, "25/1"},
        {"movie.webm", {QStringLiteral("--fps"), QStringLiteral("10"), QStringLiteral("--seconds"), QStringLiteral("3"),
                        QStringLiteral("--hold"), QStringLiteral("0"), QStringLiteral("--half")}, "vp9", 80, 60, 30, "10/1"},
    };
    for (const Case& c : cases) {
        const QString video = dir.filePath(QLatin1String(c.file));
        ASSERT_EQ(Headless(QStringList{QStringLiteral("--movie"), video, drawing} + c.options), 0) << c.file;
        const QJsonObject stream = Probe(video);
        EXPECT_EQ(stream[QStringLiteral("codec_name")].toString(), QLatin1String(c.codec));
        EXPECT_EQ(stream[QStringLiteral("width")].toInt(), c.width);
        EXPECT_EQ(stream[QStringLiteral("height")].toInt(), c.height);
        EXPECT_EQ(stream[QStringLiteral("nb_read_frames")].toString().toInt(), c.frames) << c.file;
        EXPECT_EQ(stream[QStringLiteral("r_frame_rate")].toString(), QLatin1String(c.rate));
        EXPECT_FALSE(QFile::exists(video + QStringLiteral(".part")));
    }
}

// Stopped half way (Esc in the program), a movie leaves nothing behind.
TEST(HeadlessMovie, CancelledMovieLeavesNoFile)
{
    QTemporaryDir dir;
    const QString drawing = StrokesDrawing(dir);
    HeadlessDrawing d;
    QString message;
    ASSERT_TRUE(d.LoadShapes(Folder(), message) && d.Open(drawing, message));
    const MovieSource source{d.Doc(), d.Canvas(), d.Shapes(), d.Doc().Records().GlobCount()};
    QStringList outputs{dir.filePath(QStringLiteral("frames"))};
    if (CanWriteVideo())
        outputs << dir.filePath(QStringLiteral("movie.mp4")) << dir.filePath(QStringLiteral("movie.webm"));
    for (const QString& output : outputs) {
        const std::unique_ptr<MovieWriter> writer = MakeMovieWriter(output);
        const MovieResult made = RecordMovie(source, MovieSettings{}, *writer, [](int percent) { return percent < 50; });
        EXPECT_EQ(made.outcome, MovieOutcome::Cancelled);
        EXPECT_FALSE(QFileInfo::exists(output)) << qPrintable(output);
        EXPECT_FALSE(QFileInfo::exists(output + QStringLiteral(".part")));
    }
}

TEST(HeadlessMovie, FailuresAndUsage)
{
    QTemporaryDir dir;
    const QString drawing = StrokesDrawing(dir);
    const QString out = dir.filePath(QStringLiteral("movie.mp4"));
    const auto movie = [&](const QStringList& more) { return Headless(QStringList{QStringLiteral("--movie")} + more); };
    EXPECT_EQ(movie({out, drawing, QStringLiteral("--fps"), QStringLiteral("0")}), 2);
    EXPECT_EQ(movie({out, drawing, QStringLiteral("--seconds"), QStringLiteral("2"), QStringLiteral("--globs-per-frame"),
                     QStringLiteral("5")}), 2);
    EXPECT_EQ(movie({out, drawing, QStringLiteral("--hold"), QStringLiteral("x")}), 2);
    EXPECT_EQ(movie({out}), 2);
    EXPECT_EQ(movie({out, dir.filePath(QStringLiteral("missing.dbr"))}), 1);
    EXPECT_EQ(movie({dir.filePath(QStringLiteral("no/folder/movie.mp4")), drawing}), 1);
    EXPECT_FALSE(QFile::exists(out));
}
