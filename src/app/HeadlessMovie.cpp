#include "app/HeadlessMovie.h"


#include "app/HeadlessDrawing.h"
#include "app/HeadlessOutput.h"
#include "imaging/MovieOutput.h"
#include "view/MovieRecorder.h"

namespace
{
struct MovieOptions
{
    QString output;
    QString drawing;
    MovieSettings settings;
};

int UsageError(const QString& why)
{
    return ::UsageError(why, HeadlessMovieUsage());
}

// A number in [low, high] after the option, or an error text.
QString TakeNumber(const QStringList& args, int& i, double low, double high, double& out)
{
    const QString option = args[i];
    bool ok = false;
    const double value = i + 1 < args.size() ? args[++i].toDouble(&ok) : 0.0;
    if (!ok || value < low || value > high)
        return option + QStringLiteral(" needs a number from %1 to %2").arg(low).arg(high);
    out = value;
    return {};
}

QString ParseOption(const QStringList& args, int& i, MovieOptions& o)
{
    MovieSettings& s = o.settings;
    const QString& a = args[i];
    double value = 0;
    QString error;
    if (a == QLatin1String("--movie")) {
        if (i + 1 >= args.size())
            return QStringLiteral("--movie needs an output");
        o.output = args[++i];
    } else if (a == QLatin1String("--half")) {
        s.halfSize = true;
    } else if (a == QLatin1String("--section-ends")) {
        s.frameAtSectionEnds = true;
    } else if (a == QLatin1String("--fps")) {
        error = TakeNumber(args, i, 1, 120, value);
        s.framesPerSecond = int(value);
    } else if (a == QLatin1String("--seconds")) {
        error = TakeNumber(args, i, 0.1, 3600, value);
        s.advance = MovieSettings::Advance::TotalSeconds;
        s.seconds = value;
    } else if (a == QLatin1String("--globs-per-frame")) {
        error = TakeNumber(args, i, 1, 1e9, value);
        s.advance = MovieSettings::Advance::GlobsPerFrame;
        s.globsPerFrame = int(value);
    } else if (a == QLatin1String("--hold")) {
        error = TakeNumber(args, i, 0, 60, value);
        s.holdSeconds = value;
    } else {
        return QStringLiteral("unknown option ") + a;
    }
    return error;
}

QString Parse(const QStringList& args, MovieOptions& o)
{
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        if (!args[i].startsWith(QLatin1Char('-'))) {
            files << args[i];
        } else if (const QString error = ParseOption(args, i, o); !error.isEmpty()) {
            return error;
        }
    }
    if (args.contains(QStringLiteral("--seconds")) && args.contains(QStringLiteral("--globs-per-frame")))
        return QStringLiteral("choose one of --seconds and --globs-per-frame");
    if (o.output.isEmpty() || files.size() != 1)
        return QStringLiteral("--movie needs an output and one drawing file");
    o.drawing = files.front();
    return {};
}
} // namespace

QString HeadlessMovieUsage()
{
    return QStringLiteral(
        "       daubrix --movie OUT.mp4|OUT.webm|FOLDER FILE.dbr [--fps N] [--seconds S | --globs-per-frame N]\n"
        "               [--hold S] [--half] [--section-ends]\n"
        "                                                a movie of the drawing being made: H.264,\n"
        "                                                VP9, or numbered PNG pictures in FOLDER");
}

int RunHeadlessMovie(const QStringList& arguments, const QString& programFolder)
{
    MovieOptions o;
    const QString error = Parse(arguments, o);
    if (!error.isEmpty())
        return UsageError(error);
    HeadlessDrawing drawing;
    if (!drawing.OpenWithShapes(programFolder, o.drawing))
        return 1;
    const std::unique_ptr<MovieWriter> writer = MakeMovieWriter(o.output);
    const MovieSource source{drawing.Doc(), drawing.Canvas(), drawing.Shapes(), drawing.Doc().Records().GlobCount()};
    const MovieResult made = RecordMovie(source, o.settings, *writer);
    if (made.outcome != MovieOutcome::Done)
        PrintErr(made.status.message);
    return made.outcome == MovieOutcome::Done ? 0 : 1;
}
