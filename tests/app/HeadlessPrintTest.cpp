#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "../PdfPage.h"
#include "HeadlessRun.h"
#include "app/HeadlessCommands.h"
#include "app/HeadlessDrawing.h"
#include "imaging/PrintedPage.h"

namespace
{
QString Folder() { return ProgramFolderForTests(); }

std::optional<int> Headless(const QStringList& args) { return RunHeadlessQuietly(args); }

// A 300 × 150 drawing on green paper, printed at 50 per inch unless told otherwise.
QString GreenDrawing(const QTemporaryDir& dir)
{
    HeadlessDrawing d;
    QString message;
    EXPECT_TRUE(d.LoadShapes(Folder(), message));
    EXPECT_TRUE(d.Doc().NewDrawing(300, 150));
    d.Doc().SetBackgroundColor(MakeRgb(0, 160, 0));
    d.Doc().SetPrintSize(50);
    const QString path = dir.filePath(QStringLiteral("green.dbr"));
    EXPECT_TRUE(d.Save(path, message)) << message.toStdString();
    return path;
}
} // namespace

// --print-pdf prints through the page code of the Print command: the drawing's own value, or
// the one given in the unit given, centred unless told not to.
TEST(HeadlessPrint, PrintsThePageAtTheSizeAndPlaceAsked)
{
    if (!HavePdfRenderer())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString drawing = GreenDrawing(dir);
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const PrinterPage page = PrintedPage::PageOf(PrintedPage::PdfPageLayout(), PrintedPage::kPdfResolution);
    struct Case
    {
        QStringList options;
        QRect printed;
    };
    const Case cases[] = {
        {{}, PrintLayout::PrintedRect(page, {300, 150}, 50, PrintUnit::Inch, true)},
        {{QStringLiteral("--dpu"), QStringLiteral("20"), QStringLiteral("--unit"), QStringLiteral("cm"),
          QStringLiteral("--no-center")},
         QRect(0, 0, 7086, 3543)}, // 15 × 7.5 cm at 1200 per inch
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Headless(QStringList{QStringLiteral("--print-pdf"), pdf, drawing} + c.options), 0);
        const QImage rendered = RenderPdfPage(pdf, 50);
        ASSERT_FALSE(rendered.isNull());
        const QRect expected = AtDpi(c.printed, PrintedPage::kPdfResolution, 50);
        const QRect ink = InkBounds(rendered);
        EXPECT_NEAR(ink.left(), expected.left(), 1) << c.options.join(' ').toStdString();
        EXPECT_NEAR(ink.top(), expected.top(), 1);
        EXPECT_NEAR(ink.right(), expected.right(), 1);
        EXPECT_NEAR(ink.bottom(), expected.bottom(), 1);
        EXPECT_EQ(rendered.pixel(ink.center()), qRgb(0, 160, 0));
    }
}

TEST(HeadlessPrint, FailuresAndUsage)
{
    QTemporaryDir dir;
    const QString drawing = GreenDrawing(dir);
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const auto print = [&](const QStringList& more) { return Headless(QStringList{QStringLiteral("--print-pdf")} + more); };
    EXPECT_EQ(print({pdf, drawing, QStringLiteral("--dpu"), QStringLiteral("0")}), 2);
    EXPECT_EQ(print({pdf, drawing, QStringLiteral("--dpu"), QStringLiteral("2049")}), 2);
    EXPECT_EQ(print({pdf, drawing, QStringLiteral("--unit"), QStringLiteral("feet")}), 2);
    EXPECT_EQ(print({pdf}), 2);
    EXPECT_EQ(print({pdf, drawing, drawing}), 2);
    EXPECT_EQ(print({pdf, dir.filePath(QStringLiteral("missing.dbr"))}), 1);
    EXPECT_EQ(print({dir.filePath(QStringLiteral("no/folder/page.pdf")), drawing}), 1);
    EXPECT_FALSE(QFile::exists(pdf));
}
