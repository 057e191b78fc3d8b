#include <utility>

#include <QImage>

#include "RealProgram.h"

namespace
{
// A picture of colour ramps, for imports that make many globs of many colours.
QImage Ramps()
{
    QImage picture(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 320, y * 255 / 240, (x + y) * 3 % 256));
    return picture;
}
} // namespace

// A drawing of two imported sections, each long enough for the history to keep pictures of
// it: the section buttons of the Drawing History window show each section exactly as a
// drawing holding only that section renders.
TEST_F(RealProgramTest, SectionButtonsShowEachSectionAsTheFileRendersIt)
{
    const QString picture = ScratchPath(QStringLiteral("ramps.bmp"));
    const QString later = ScratchPath(QStringLiteral("turned.bmp"));
    ASSERT_TRUE(Ramps().save(picture));
    ASSERT_TRUE(Ramps().mirrored(true, true).save(later));
    const QString both = ScratchPath(QStringLiteral("both.dbr"));
    const QString first = ScratchPath(QStringLiteral("first.dbr"));
    const QStringList options = {QStringLiteral("--size"), QStringLiteral("640"), QStringLiteral("480"),
                                 QStringLiteral("--globs"), QStringLiteral("10"), QStringLiteral("--fit"),
                                 QStringLiteral("stretch")};
    for (const auto& [from, out] : {std::pair{picture, both}, std::pair{later, both}, std::pair{picture, first}}) {
        const RunResult made = Run(ProgramPath(QStringLiteral("daubrix")),
                                   QStringList{QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--import"),
                                               from, out} + options);
        ASSERT_TRUE(made.Ok()) << made.err.constData();
    }
    ASSERT_GT(Info(first).value(QStringLiteral("globCount")).toInt(), 8192) << "too few globs for keyframes";
    const QImage whole = Export(both);
    const QImage firstSection = Export(first);
    ASSERT_NE(whole, firstSection);

    ASSERT_NO_FATAL_FAILURE(Launch({both}));
    ASSERT_NO_FATAL_FAILURE(WaitForDrawing(both));
    ASSERT_TRUE(WaitForDrawingShown(whole)) << DifferentPixels(DrawingShown(), whole) << " pixels differ at the start";
    const QString history = WaitForWindow(QStringLiteral("^Drawing History$"));
    ASSERT_FALSE(history.isEmpty()) << ShownWindowTitles().join(QLatin1Char(',')).toStdString();
    for (int round = 0; round < 2; ++round) {
        Click(history, {11, 12}); // Previous section
        EXPECT_TRUE(WaitForDrawingShown(firstSection))
            << DifferentPixels(DrawingShown(), firstSection) << " pixels differ from the first section";
        Click(history, {30, 12}); // Next section
        EXPECT_TRUE(WaitForDrawingShown(whole)) << DifferentPixels(DrawingShown(), whole) << " pixels differ from the whole";
    }
}
