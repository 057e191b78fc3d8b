#include "app/HeadlessImport.h"

#include <algorithm>
#include <optional>

#include <QFileInfo>
#include <QSize>

#include "app/HeadlessDrawing.h"
#include "app/HeadlessOutput.h"
#include "imaging/ImportPlacement.h"
#include "imaging/PictureFile.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"

namespace
{
struct ImportOptions
{
    QString picture;
    QString output;
    std::optional<QSize> size;
    QString shape; // a shape file name, the ".bmp" optional; empty: the first shape
    ImportSettings settings;
    std::optional<quint32> seed;
};

int UsageError(const QString& why)
{
    return ::UsageError(why, HeadlessImportUsage());
}

std::optional<int> IntArg(const QStringList& args, int& i, int low, int high)
{
    if (i + 1 >= args.size())
        return std::nullopt;
    bool ok = false;
    const long long v = args[++i].toLongLong(&ok);
    if (!ok || v < low || v > high)
        return std::nullopt;
    return int(v);
}

// One of the words, as its index; nothing for anything else.
std::optional<int> WordArg(const QStringList& args, int& i, const QStringList& words)
{
    if (i + 1 >= args.size())
        return std::nullopt;
    const int at = int(words.indexOf(args[++i]));
    return at < 0 ? std::nullopt : std::optional<int>(at);
}

QString ParseSetting(const QStringList& args, int& i, ImportOptions& o)
{
    const QString& a = args[i];
    ImportSettings& s = o.settings;
    if (a == QLatin1String("--colors")) {
        const auto w = WordArg(args, i, {QStringLiteral("preserve"), QStringLiteral("new")});
        if (!w)
            return QStringLiteral("--colors needs preserve or new");
        s.colors = *w == 0 ? ImportColors::Preserve : ImportColors::UseNew;
    } else if (a == QLatin1String("--color-slider") || a == QLatin1String("--globs")) {
        const auto v = IntArg(args, i, 1, 10);
        if (!v)
            return a + QStringLiteral(" needs a number from 1 to 10");
        (a == QLatin1String("--globs") ? s.globSlider : s.colorSlider) = *v;
    } else if (a == QLatin1String("--order")) {
        const auto w = WordArg(args, i, {QStringLiteral("image"), QStringLiteral("grid")});
        if (!w)
            return QStringLiteral("--order needs image or grid");
        s.order = *w == 0 ? ImportOrder::FromImage : ImportOrder::Ordered;
    } else if (a == QLatin1String("--background")) {
        const auto w = WordArg(args, i, {QStringLiteral("keep"), QStringLiteral("remove")});
        if (!w)
            return QStringLiteral("--background needs keep or remove");
        s.background = *w == 0 ? ImportBackground::Keep : ImportBackground::Remove;
    } else if (a == QLatin1String("--fit")) {
        const auto w = WordArg(args, i, {QStringLiteral("fit"), QStringLiteral("stretch"),
                                         QStringLiteral("normal")});
        if (!w)
            return QStringLiteral("--fit needs normal, fit or stretch");
        s.size = BackgroundSizing(*w);
    } else {
        return QStringLiteral("unknown option ") + a;
    }
    return {};
}

QString Parse(const QStringList& args, ImportOptions& o)
{
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--import"))
            continue;
        if (a == QLatin1String("--size")) {
            const auto w = IntArg(args, i, CDaubrixDoc::kMinSize, CDaubrixDoc::kMaxSize);
            const auto h = w ? IntArg(args, i, CDaubrixDoc::kMinSize, CDaubrixDoc::kMaxSize) : std::nullopt;
            if (!h)
                return QStringLiteral("--size needs a width and a height from 100 to 2048");
            o.size = QSize(*w, *h);
        } else if (a == QLatin1String("--shape")) {
            if (i + 1 >= args.size())
                return QStringLiteral("--shape needs a shape file name");
            o.shape = args[++i];
        } else if (a == QLatin1String("--seed")) {
            const auto v = IntArg(args, i, 0, 2147483647);
            if (!v)
                return QStringLiteral("--seed needs a number from 0 to 2147483647");
            o.seed = quint32(*v);
        } else if (a.startsWith(QLatin1Char('-'))) {
            const QString error = ParseSetting(args, i, o);
            if (!error.isEmpty())
                return error;
        } else {
            files << a;
        }
    }
    if (files.size() != 2)
        return QStringLiteral("--import needs a picture and a drawing file");
    o.picture = files[0];
    o.output = files[1];
    return {};
}

bool ChooseShape(ShapeTable& shapes, const QString& wanted)
{
    if (wanted.isEmpty()) {
        shapes.SetCurrentIndex(0);
        return true;
    }
    const QString name = wanted.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)
                             ? wanted
                             : wanted + QStringLiteral(".bmp");
    for (int i = 0; i < shapes.Count(); ++i) {
        if (shapes.Shape(i).Name().compare(name, Qt::CaseInsensitive) == 0) {
            shapes.SetCurrentIndex(i);
            return true;
        }
    }
    return false;
}

QSize NewDrawingSize(const ImportOptions& o, QSize picture)
{
    if (o.size)
        return *o.size;
    const auto clamp = [](int v) { return std::clamp(v, CDaubrixDoc::kMinSize, CDaubrixDoc::kMaxSize); };
    return QSize(clamp(picture.width()), clamp(picture.height()));
}

// The picture's globs as one more section at the end of the drawing, as the Import command
// adds them (no drift and no jitter on the command line).
void AddPicture(HeadlessDrawing& d, const QImage& picture, const ImportSettings& settings)
{
    DrawingModes modes;
    AutoChangeState drift;
    DrawingSession session(d.Doc(), DrawingTools{d.Shapes(), modes, drift, d.Random()});
    session.InitialUpdate();
    session.BeginAddingGlobs();
    CShape& shape = d.Shapes().Current();
    ImportTools tools{d.Doc().Records(), shape, drift, session.Strokes().DriftTicks(), d.Random(), 0, {}};
    ImportPicture(picture, settings, tools, ImportProgress{});
    session.EndAddingGlobs();
}
} // namespace

QString HeadlessImportUsage()
{
    return QStringLiteral(
        "       daubrix --import PICTURE OUT.dbr [--size W H] [--colors preserve|new]\n"
        "               [--color-slider 1..10] [--order image|grid] [--background keep|remove]\n"
        "               [--globs 1..10] [--fit normal|fit|stretch] [--shape FILE]\n"
        "                                                turn a BMP or JPEG into globs: a new\n"
        "                                                drawing, or one more section of OUT");
}

int RunHeadlessImport(const QStringList& arguments, const QString& programFolder)
{
    ImportOptions o;
    const QString error = Parse(arguments, o);
    if (!error.isEmpty())
        return UsageError(error);
    HeadlessDrawing drawing(o.seed);
    QString message;
    if (!drawing.LoadShapes(programFolder, message)) {
        PrintErr(message);
        return 1;
    }
    if (!ChooseShape(drawing.Shapes(), o.shape)) {
        PrintErr(QStringLiteral("No shape named ") + o.shape + QStringLiteral("; see --list-shapes."));
        return 1;
    }
    QImage picture;
    const ImageStatus read = ReadPictureFile(o.picture, picture);
    if (!read.ok) {
        for (const UserMessage& m : PictureReadFailureMessages(read))
            PrintErr(m.text);
        return 1;
    }
    if (QFileInfo::exists(o.output)) {
        if (!drawing.Open(o.output, message)) {
            PrintErr(message);
            return 1;
        }
    } else {
        const QSize size = NewDrawingSize(o, picture.size());
        drawing.Doc().NewDrawing(size.width(), size.height());
    }
    AddPicture(drawing, picture, o.settings);
    if (!drawing.Save(o.output, message)) {
        PrintErr(message);
        return 1;
    }
    return 0;
}
