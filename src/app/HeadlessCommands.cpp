#include "app/HeadlessCommands.h"

#include <cstdio>
#include <memory>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/HeadlessDrawing.h"
#include "app/HeadlessOutput.h"
#include "app/HeadlessImport.h"
#include "app/HeadlessMovie.h"
#include "app/HeadlessPrint.h"
#include "imaging/ImageFileWriter.h"

namespace {

struct Options
{
    QString mode;       // "--export", "--info", "--list-shapes", "--help" or empty
    QString output;
    QString drawing;
    int quality = 100;
    bool records = false;
    std::optional<quint32> seed;
};

void PrintOut(const QByteArray& text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

int UsageError(const QString& why)
{
    return ::UsageError(why, HeadlessUsage());
}

bool TakeInt(const QStringList& args, int& i, int low, int high, int& out)
{
    if (i + 1 >= args.size())
        return false;
    bool ok = false;
    const long long v = args[++i].toLongLong(&ok);
    if (!ok || v < low || v > high)
        return false;
    out = int(v);
    return true;
}

// Fills options; returns an error text, empty when the arguments are sound.
QString Parse(const QStringList& args, Options& o)
{
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        int value = 0;
        if (a == QLatin1String("--export") || a == QLatin1String("--info") || a == QLatin1String("--list-shapes")
            || a == QLatin1String("--help") || a == QLatin1String("-h")) {
            if (!o.mode.isEmpty() && o.mode != a)
                return QStringLiteral("choose one of --export, --info, --list-shapes");
            o.mode = a == QLatin1String("-h") ? QStringLiteral("--help") : a;
            if (a == QLatin1String("--export")) {
                if (i + 1 >= args.size())
                    return QStringLiteral("--export needs an output file");
                o.output = args[++i];
            }
        } else if (a == QLatin1String("--records")) {
            o.records = true;
        } else if (a == QLatin1String("--quality")) {
            if (!TakeInt(args, i, 1, 100, value))
                return QStringLiteral("--quality needs a number from 1 to 100");
            o.quality = value;
        } else if (a == QLatin1String("--seed")) {
            if (!TakeInt(args, i, 0, 2147483647, value))
                return QStringLiteral("--seed needs a number from 0 to 2147483647");
            o.seed = quint32(value);
        } else if (a == QLatin1String("--autosave-seconds")) {
            if (!TakeInt(args, i, 0, 86400, value)) // for the program's window only
                return QStringLiteral("--autosave-seconds needs a number from 0 to 86400");
        } else if (a.startsWith(QLatin1Char('-'))) {
            return QStringLiteral("unknown option ") + a;
        } else {
            files << a;
        }
    }
    if (o.mode == QLatin1String("--export") || o.mode == QLatin1String("--info")) {
        if (files.size() != 1)
            return o.mode + QStringLiteral(" needs one drawing file");
        o.drawing = files.front();
    } else if (o.mode == QLatin1String("--list-shapes") && !files.isEmpty()) {
        return QStringLiteral("--list-shapes takes no file");
    }
    return {};
}

QJsonArray Pair(int a, int b) { return QJsonArray{a, b}; }

QByteArray InfoJson(const HeadlessDrawing& d, bool records)
{
    const CDaubrixDoc& doc = d.Doc();
    QJsonObject o;
    o[QStringLiteral("width")] = doc.Records().DrawingWidth();
    o[QStringLiteral("height")] = doc.Records().DrawingHeight();
    o[QStringLiteral("printSize")] = doc.PrintSize();
    const RgbColor bg = doc.BackgroundColor();
    o[QStringLiteral("backgroundColor")] = QString::asprintf("#%02x%02x%02x", RgbRed(bg), RgbGreen(bg), RgbBlue(bg));
    const Sections& sec = doc.Records().CurrentSections();
    o[QStringLiteral("sectionBase")] = sec.base;
    QJsonArray boundaries;
    for (int i = 0; i < sec.count; ++i)
        boundaries.append(sec.boundaries[size_t(i)]);
    o[QStringLiteral("sections")] = boundaries;
    o[QStringLiteral("globCount")] = doc.Records().GlobCount();
    o[QStringLiteral("colorChangeCount")] = doc.Records().ColorChangeCount();
    o[QStringLiteral("hasBackgroundImage")] = doc.HasBackgroundImage();
    const QImage& background = d.Canvas().Background();
    o[QStringLiteral("backgroundImageSize")] = doc.HasBackgroundImage() && !background.isNull()
        ? QJsonValue(Pair(background.width(), background.height())) : QJsonValue(QJsonValue::Null);
    if (records) {
        QJsonArray globs;
        for (const CGlob& g : doc.Records().Globs())
            globs.append(QJsonArray{g.x, g.y, g.shape});
        o[QStringLiteral("globs")] = globs;
        QJsonArray changes;
        for (const CColorChange& c : doc.Records().ColorChanges().Items())
            changes.append(QJsonArray{c.globIndex, c.hue, c.saturation, c.value});
        o[QStringLiteral("colorChanges")] = changes;
    }
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QByteArray ShapesJson(const ShapeTable& shapes)
{
    QJsonArray list;
    for (int i = 0; i < shapes.Count(); ++i) {
        const CShape& s = shapes.Shape(i);
        const QByteArray name = s.Name().toLatin1();
        QJsonObject o;
        o[QStringLiteral("index")] = i;
        o[QStringLiteral("file")] = s.Name();
        o[QStringLiteral("width")] = s.Width();
        o[QStringLiteral("height")] = s.Height();
        o[QStringLiteral("family")] = name.isEmpty() ? QString() : QString(QLatin1Char(name[0]));
        o[QStringLiteral("size")] = name.size() > 2 ? name[2] - '0' : -1;
        list.append(o);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}

int Export(const HeadlessDrawing& d, const Options& o)
{
    const ImageStatus status = WriteImageFile(o.output, d.Render(), o.quality);
    if (!status.ok)
        PrintErr(status.message);
    return status.ok ? 0 : 1;
}

} // namespace

QString HeadlessUsage()
{
    return QStringLiteral(
               "Usage: daubrix [FILE.dbr]                       start the program, opening a drawing\n"
               "       daubrix --export OUT FILE.dbr [--quality N]  render a drawing to OUT (.png, .jpg, .bmp)\n"
               "       daubrix --info FILE.dbr [--records]      describe a drawing as JSON\n"
               "       daubrix --list-shapes                    list the loaded shapes as JSON\n")
           + HeadlessImportUsage() + QStringLiteral("\n")
           + HeadlessPrintUsage() + QStringLiteral("\n")
           + HeadlessMovieUsage()
           + QStringLiteral(
               "\n"
               "       daubrix --help                           show this text\n"
               "Options: --seed N  seed the random generator (repeatable runs)\n"
               "         --autosave-seconds N  recovery copies every N seconds instead of the\n"
               "                               AutoSaveMinutes setting (0: none)");
}

std::optional<int> RunHeadlessCommand(const QStringList& arguments, const QString& programFolder)
{
    if (arguments.contains(QStringLiteral("--import")))
        return RunHeadlessImport(arguments, programFolder);
    if (arguments.contains(QStringLiteral("--print-pdf")))
        return RunHeadlessPrint(arguments, programFolder);
    if (arguments.contains(QStringLiteral("--movie")))
        return RunHeadlessMovie(arguments, programFolder);
    Options o;
    const QString error = Parse(arguments, o);
    if (!error.isEmpty())
        return UsageError(error);
    if (o.mode.isEmpty())
        return std::nullopt;
    if (o.mode == QLatin1String("--help")) {
        PrintOut(HeadlessUsage().toUtf8() + '\n');
        return 0;
    }
    HeadlessDrawing drawing(o.seed);
    QString message;
    if (!drawing.LoadShapes(programFolder, message)) {
        PrintErr(message);
        return 1;
    }
    if (o.mode == QLatin1String("--list-shapes")) {
        PrintOut(ShapesJson(drawing.Shapes()));
        return 0;
    }
    if (!drawing.Open(o.drawing, message)) {
        PrintErr(message);
        return 1;
    }
    if (o.mode == QLatin1String("--info")) {
        PrintOut(InfoJson(drawing, o.records));
        return 0;
    }
    return Export(drawing, o);
}
