#include <QFileInfo>
#include <QMap>

#include "../PdfPage.h"
#include "RealProgram.h"

namespace
{
const QString kSizeDialog = QStringLiteral("^Drawing size on printer$");
constexpr int kDpi = 40;
} // namespace

// Printing in the real program, where no printer is installed: the page goes into a PDF.
class RealProgramPrintTest : public RealProgramTest
{
protected:
    void SetUp() override
    {
        RealProgramTest::SetUp();
        if (!IsSkipped() && !HavePdfRenderer())
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }

    // Answers the size dialog: keys typed into its value, then Return for OK.
    void AnswerSizeDialog(const QStringList& keys)
    {
        const QString size = WaitForWindow(kSizeDialog);
        ASSERT_FALSE(size.isEmpty()) << "no size dialog: " << qPrintable(ShownWindowTitles().join(u", "));
        Focus(size);
        Key(keys + QStringList{QStringLiteral("Return")});
        ASSERT_TRUE(WaitForWindowGone(kSizeDialog));
    }

    QRect WindowGeometry(const QString& window)
    {
        const RunResult run = Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        QMap<QString, int> values;
        for (const QByteArray& line : run.out.split('\n')) {
            const QList<QByteArray> pair = line.split('=');
            if (pair.size() == 2)
                values[QString::fromLatin1(pair[0])] = pair[1].toInt();
        }
        return {values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT"))};
    }

    // The same drawing printed by the command line, rendered.
    QImage HeadlessPage(const QStringList& options)
    {
        const QString pdf = ScratchPath(QStringLiteral("headless.pdf"));
        const RunResult run = Run(ProgramPath(QStringLiteral("daubrix")),
                                  QStringList{QStringLiteral("--print-pdf"), pdf, drawingFile} + options);
        EXPECT_TRUE(run.Ok()) << run.err.constData();
        return RenderPdfPage(pdf, kDpi);
    }
};

// Ctrl+P: the print dialog offers a PDF beside the drawing, the size dialog follows, and the
// page holds the drawing exactly as the command line prints it.
TEST_F(RealProgramPrintTest, CtrlPPrintsThePageIntoAPdf)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    Key({QStringLiteral("ctrl+p")});
    const QString print = WaitForWindow(QStringLiteral("^Print$"));
    ASSERT_FALSE(print.isEmpty()) << "no print dialog: " << qPrintable(ShownWindowTitles().join(u", "));
    Focus(print);
    Key({QStringLiteral("Return")});
    ASSERT_NO_FATAL_FAILURE(AnswerSizeDialog({}));
    const QFileInfo drawing(drawingFile);
    const QString pdf = drawing.absolutePath() + u'/' + drawing.completeBaseName() + QStringLiteral(".pdf");
    QImage page;
    WaitFor(Ms(5000), [&] { return !(page = RenderPdfPage(pdf, kDpi)).isNull(); }, 200);
    ASSERT_FALSE(page.isNull()) << "no PDF at " << qPrintable(pdf);
    const QImage expected = HeadlessPage({});
    ASSERT_EQ(page.size(), expected.size());
    EXPECT_EQ(DifferentPixels(page, expected), 0);
    // The example drawing at its 100 per inch, centred.
    const QImage shown = Export(drawingFile);
    const QRect ink = InkBounds(page);
    EXPECT_NEAR(ink.width(), shown.width() * kDpi / 100, 1);
    EXPECT_NEAR(ink.center().x(), page.width() / 2, 1);
    EXPECT_NEAR(ink.center().y(), page.height() / 2, 1);
}

// Image > Size when printed: the value typed is kept by the drawing, which Ctrl+S saves.
TEST_F(RealProgramPrintTest, SizeWhenPrintedIsSavedWithTheDrawing)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    Menu('i', 'z');
    ASSERT_NO_FATAL_FAILURE(AnswerSizeDialog({QStringLiteral("ctrl+a"), QStringLiteral("2"),
                                              QStringLiteral("5"), QStringLiteral("0")}));
    Focus(MainWindow());
    Key({QStringLiteral("ctrl+s")});
    int saved = 0;
    WaitFor(Ms(5000), [&] { return (saved = Info(drawingFile).value(QStringLiteral("printSize")).toInt()) == 250; }, 100);
    EXPECT_EQ(saved, 250);
}

// File > Print Preview: the size dialog, then the page in the preview window; Esc closes it.
TEST_F(RealProgramPrintTest, PrintPreviewShowsThePage)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    Menu('f', 'v');
    ASSERT_NO_FATAL_FAILURE(AnswerSizeDialog({}));
    const QString preview = WaitForWindow(QStringLiteral("^Print Preview"));
    ASSERT_FALSE(preview.isEmpty()) << "no preview: " << qPrintable(ShownWindowTitles().join(u", "));
    const QRect window = WindowGeometry(preview);
    ASSERT_FALSE(window.isEmpty());
    // The page shows in the window, white, with the drawing's dark paper on it.
    EXPECT_TRUE(WaitFor(Ms(5000), [&] {
        const QImage shown = Screenshot().copy(window);
        int white = 0, paper = 0;
        for (int y = 0; y < shown.height(); y += 2)
            for (int x = 0; x < shown.width(); x += 2) {
                const QRgb p = shown.pixel(x, y);
                white += p == qRgb(255, 255, 255);
                paper += qGray(p) < 40 && qBlue(p) > qRed(p);
            }
        return white > 2000 && paper > 500;
    }, 200)) << "the preview shows no page with the drawing";
    Focus(preview);
    Key({QStringLiteral("Escape")});
    EXPECT_TRUE(WaitForWindowGone(QStringLiteral("^Print Preview")));
}
