#include "app/HeadlessPrint.h"

#include <optional>

#include "app/HeadlessDrawing.h"
#include "app/HeadlessOutput.h"
#include "imaging/PrintedPage.h"

namespace
{
struct PrintPdfOptions
{
    QString output;
    QString drawing;
    std::optional<int> dotsPerUnit; // nothing: the drawing's own
    PrintOptions print;
};

int UsageError(const QString& why)
{
    return ::UsageError(why, HeadlessPrintUsage());
}

QString ParseOption(const QStringList& args, int& i, PrintPdfOptions& o)
{
    const QString& a = args[i];
    if (a == QLatin1String("--no-center")) {
        o.print.centre = false;
        return {};
    }
    if (i + 1 >= args.size())
        return a + QStringLiteral(" needs a value");
    const QString& value = args[++i];
    if (a == QLatin1String("--print-pdf")) {
        o.output = value;
    } else if (a == QLatin1String("--dpu")) {
        bool ok = false;
        const int dots = value.toInt(&ok);
        if (!ok || dots < 1 || dots > PrintLayout::kMaximumDotsPerUnit)
            return QStringLiteral("--dpu needs a number from 1 to 2048");
        o.dotsPerUnit = dots;
    } else if (a == QLatin1String("--unit")) {
        const int unit = int(QStringList{QStringLiteral("inch"), QStringLiteral("cm"), QStringLiteral("mm")}.indexOf(value));
        if (unit < 0)
            return QStringLiteral("--unit needs inch, cm or mm");
        o.print.unit = PrintLayout::UnitFromIndex(unit);
    } else {
        return QStringLiteral("unknown option ") + a;
    }
    return {};
}

QString Parse(const QStringList& args, PrintPdfOptions& o)
{
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        if (!args[i].startsWith(QLatin1Char('-'))) {
            files << args[i];
            continue;
        }
        const QString error = ParseOption(args, i, o);
        if (!error.isEmpty())
            return error;
    }
    if (o.output.isEmpty() || files.size() != 1)
        return QStringLiteral("--print-pdf needs an output file and one drawing file");
    o.drawing = files.front();
    return {};
}
} // namespace

QString HeadlessPrintUsage()
{
    return QStringLiteral(
        "       daubrix --print-pdf OUT.pdf FILE.dbr [--dpu N] [--unit inch|cm|mm] [--no-center]\n"
        "                                                print a drawing on one PDF page (1200 dpi,\n"
        "                                                the locale's paper), N drawing pixels a unit");
}

int RunHeadlessPrint(const QStringList& arguments, const QString& programFolder)
{
    PrintPdfOptions o;
    const QString error = Parse(arguments, o);
    if (!error.isEmpty())
        return UsageError(error);
    HeadlessDrawing drawing;
    if (!drawing.OpenWithShapes(programFolder, o.drawing))
        return 1;
    const int dots = o.dotsPerUnit.value_or(drawing.Doc().PrintSize());
    const ImageStatus written = PrintedPage::WritePdf(o.output, drawing.Render(), dots, o.print);
    if (!written.ok)
        PrintErr(written.message);
    return written.ok ? 0 : 1;
}
