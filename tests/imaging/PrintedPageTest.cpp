#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "../PdfPage.h"
#include "imaging/PrintedPage.h"

namespace
{
constexpr int kDpi = 60; // a page pixel is 20 × 20 printer pixels

const QRgb kQuadrants[] = {qRgb(200, 30, 40), qRgb(20, 160, 60), qRgb(30, 40, 210), qRgb(250, 220, 10)};

// Four coloured quarters, so the picture's place and its way up both show on the page.
QImage Quarters(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, kQuadrants[(y * 2 / size.height()) * 2 + x * 2 / size.width()]);
    return picture;
}

QPageLayout A4()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

void ExpectNear(const QRect& seen, const QRect& expected)
{
    EXPECT_NEAR(seen.left(), expected.left(), 1) << "left";
    EXPECT_NEAR(seen.top(), expected.top(), 1) << "top";
    EXPECT_NEAR(seen.right(), expected.right(), 1) << "right";
    EXPECT_NEAR(seen.bottom(), expected.bottom(), 1) << "bottom";
}
} // namespace

// The printed PDF, read back: the drawing at the computed size and place, its pixels kept.
TEST(PrintedPage, PdfShowsTheDrawingAtItsPrintedSizeAndPlace)
{
    if (!HavePdfRenderer())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    struct Case
    {
        QSize drawing;
        int dotsPerUnit;
        PrintUnit unit;
        bool centre;
    };
    const Case cases[] = {
        {{800, 600}, 100, PrintUnit::Inch, true},
        {{800, 600}, 100, PrintUnit::Inch, false},
        {{300, 500}, 30, PrintUnit::Cm, true},
    };
    const PrinterPage page = PrintedPage::PageOf(A4(), PrintedPage::kPdfResolution);
    ASSERT_EQ(page, (PrinterPage{9917, 14033, 1200, 1200})); // 595 × 842 points
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        const QImage drawing = Quarters(c.drawing);
        ASSERT_TRUE(PrintedPage::WritePdf(pdf, drawing, c.dotsPerUnit, {c.unit, c.centre, {}}, A4()).ok);
        const QImage rendered = RenderPdfPage(pdf, kDpi);
        ASSERT_FALSE(rendered.isNull());
        EXPECT_EQ(rendered.size(), QSize(496, 702)); // A4 at 60 dpi
        const QRect printed =
            PrintLayout::PrintedRect(page, c.drawing, c.dotsPerUnit, c.unit, c.centre);
        const QRect expected = AtDpi(printed, PrintedPage::kPdfResolution, kDpi);
        SCOPED_TRACE(c.dotsPerUnit);
        ExpectNear(InkBounds(rendered), expected);
        // Each quarter's middle is the drawing's own colour: nothing smoothed or compressed.
        const QPoint quarter(expected.width() / 4, expected.height() / 4);
        for (int q = 0; q < 4; ++q) {
            const QPoint at = expected.topLeft() + quarter + QPoint(q % 2 * 2 * quarter.x(), q / 2 * 2 * quarter.y());
            EXPECT_EQ(rendered.pixel(at), kQuadrants[q]) << q;
        }
    }
}

TEST(PrintedPage, PdfThatCannotBeWrittenFailsWithItsMessage)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    QFile(notAFolder).open(QIODevice::WriteOnly);
    const ImageStatus status =
        PrintedPage::WritePdf(notAFolder + QStringLiteral("/page.pdf"), Quarters({100, 100}), 100, {});
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, QStringLiteral("Error writing file"));
}

// With no printer the page is the locale's paper: Letter where inches are used.
TEST(PrintedPage, PdfPaperFollowsTheLocale)
{
    EXPECT_EQ(PrintedPage::PdfPageLayout(QLocale(QLocale::English, QLocale::UnitedStates)).pageSize().id(),
              QPageSize::Letter);
    EXPECT_EQ(PrintedPage::PdfPageLayout(QLocale(QLocale::German, QLocale::Germany)).pageSize().id(),
              QPageSize::A4);
    EXPECT_EQ(PrintedPage::PdfPageLayout().margins(), QMarginsF());
}
