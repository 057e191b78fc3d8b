#include "imaging/ImageSampling.h"
#include "imaging/ImportPlacement.h"

#include <QColor>

#include "color/AutoChange.h"
#include "color/RandomGenerator.h"
#include "model/ModelFixture.h"

#include <gtest/gtest.h>

namespace
{
QImage Filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

std::vector<QPoint> Centres(const std::vector<ImportSample>& samples)
{
    std::vector<QPoint> points;
    for (const ImportSample& s : samples)
        points.emplace_back(s.x, s.y);
    return points;
}

ImportSettings Keeping()
{
    ImportSettings s;
    s.background = ImportBackground::Keep;
    s.order = ImportOrder::Ordered;
    return s;
}
} // namespace

TEST(ImageImport, GridStepFollowsTheShapeSizeAndTheSlider)
{
    struct Row { int digit; int slider; int step; };
    for (const Row& r : {Row{'0', 1, 11}, Row{'0', 5, 7}, Row{'0', 10, 2}, Row{'1', 1, 16},
                         Row{'1', 5, 12}, Row{'1', 10, 7}, Row{'2', 1, 22}, Row{'2', 5, 18},
                         Row{'3', 10, 13}})
        EXPECT_EQ(ImportGridStep(r.digit, r.slider), r.step) << char(r.digit) << " " << r.slider;
}

TEST(ImageImport, ThePictureIsFittedSquashedOrKeptWithoutNewColours)
{
    const QSize drawing(640, 480);
    QImage picture = Filled({200, 100}, qRgb(1, 2, 3));
    for (int x = 100; x < 200; ++x)
        for (int y = 0; y < 100; ++y)
            picture.setPixel(x, y, qRgb(250, 240, 230));
    struct Row { BackgroundSizing size; QSize scaled; };
    for (const Row& r : {Row{BackgroundSizing::FitDrawing, {640, 320}},
                         Row{BackgroundSizing::SquashStretch, drawing},
                         Row{BackgroundSizing::Normal, {200, 100}}}) {
        const QImage scaled = ScaleForImport(picture, drawing, r.size);
        EXPECT_EQ(scaled.size(), r.scaled);
        for (int x = 0; x < scaled.width(); ++x) {
            const QRgb p = scaled.pixel(x, 0) | 0xFF000000u;
            ASSERT_TRUE(p == qRgb(1, 2, 3) || p == qRgb(250, 240, 230)) << "blended at " << x;
        }
    }
}

// A picture of the drawing's own size with a medium shape: step 12, half-step 6, the odd
// rows shifted half a step left.
TEST(ImageImport, SamplesLieOnAStaggeredGridCentredOnTheDrawing)
{
    const QSize drawing(48, 30);
    const std::optional<std::vector<ImportSample>> samples =
        SampleImage(Filled(drawing, qRgb(200, 0, 0)), drawing, 12, Keeping(), {});
    ASSERT_TRUE(samples);
    const std::vector<QPoint> expected = {{6, 6},  {18, 6},  {30, 6},  {42, 6}, {0, 18},
                                          {12, 18}, {24, 18}, {36, 18}};
    EXPECT_EQ(Centres(*samples), expected);
    EXPECT_EQ(ImportOffset(drawing, drawing), QPoint(0, 0));
    EXPECT_EQ(ImportOffset({100, 60}, drawing), QPoint(26, 15));
}

TEST(ImageImport, AnEdgeCellAveragesOnlyThePixelsInsideThePicture)
{
    QImage picture = Filled({24, 24}, qRgb(0, 0, 255));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 6; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    const auto samples = SampleImage(picture, {24, 24}, 12, Keeping(), {});
    ASSERT_TRUE(samples);
    const auto edge = std::find_if(samples->begin(), samples->end(),
                                   [](const ImportSample& s) { return s.x == 0; });
    ASSERT_NE(edge, samples->end());
    EXPECT_EQ(edge->color, (HsvColor{0, 255, 255})) << "pure red: nothing outside was counted";
}

TEST(ImageImport, RemovingTheBackgroundLeavesOutCellsAQuarterKeyColoured)
{
    // A white border two cells wide round a dark middle; the top-left pixel is the key.
    QImage picture = Filled({96, 96}, qRgb(255, 255, 255));
    for (int y = 24; y < 72; ++y)
        for (int x = 24; x < 72; ++x)
            picture.setPixel(x, y, qRgb(40, 40, 40));
    ImportSettings removing = Keeping();
    removing.background = ImportBackground::Remove;
    const auto kept = SampleImage(picture, {96, 96}, 12, Keeping(), {});
    const auto removed = SampleImage(picture, {96, 96}, 12, removing, {});
    ASSERT_TRUE(kept && removed);
    EXPECT_EQ(kept->size(), 64u);
    ASSERT_FALSE(removed->empty());
    for (const ImportSample& s : *removed) {
        EXPECT_EQ(s.color.value, 40) << s.x << "," << s.y << " has white in it";
        EXPECT_TRUE(QRect(24, 24, 48, 48).contains(s.x, s.y));
    }
}

TEST(ImageImport, OrderFromTheImageDrawsTheDarkestFirstAndKeepsTiesInGridOrder)
{
    std::vector<ImportSample> samples = {
        {0, 0, {0, 0, 90}}, {1, 0, {0, 0, 10}}, {2, 0, {0, 0, 90}}, {3, 0, {0, 0, 10}}};
    std::vector<ImportSample> ordered = samples;
    OrderSamples(ordered, ImportOrder::Ordered);
    EXPECT_EQ(Centres(ordered), Centres(samples));
    OrderSamples(samples, ImportOrder::FromImage);
    EXPECT_EQ(Centres(samples), (std::vector<QPoint>{{1, 0}, {3, 0}, {0, 0}, {2, 0}}));
}

TEST(ImageImport, CancelDuringSamplingGivesNothing)
{
    int checks = 0;
    ImportProgress progress;
    std::vector<int> shown;
    progress.show = [&](int percent) { shown.push_back(percent); };
    progress.cancelRequested = [&] { return ++checks == 2; };
    EXPECT_FALSE(SampleImage(Filled({48, 48}, qRgb(9, 9, 9)), {48, 48}, 12, Keeping(), progress));
    EXPECT_EQ(checks, 2) << "one check after every row";
    EXPECT_EQ(shown, (std::vector<int>{12, 25}));
}

struct PlacementFixture : ModelFixture
{
    PlacementFixture() { doc.NewDrawing(100, 100); }

    ImportPlacement Place(const std::vector<ImportSample>& samples, const ImportSettings& settings,
                          const ImportProgress& progress = {})
    {
        ImportTools tools{doc.Records(), shapes.Current(), drift, ticks, random, 0,
                          [this](const HsvColor& c) { drifted.push_back(c); }};
        return PlaceImportSamples(samples, QPoint(0, 0), settings, tools, progress);
    }

    CDaubrixDoc doc{shapes};
    AutoChangeState drift;
    AutoChangeCounters ticks;
    RandomGenerator random;
    std::vector<HsvColor> drifted;
};

TEST(ImageImport, TheColourSliderSetsHowFarAColourMayMoveBeforeANewRecord)
{
    const std::vector<ImportSample> samples = {
        {10, 10, {100, 100, 100}}, {20, 10, {100, 100, 101}}, {30, 10, {100, 100, 146}},
        {40, 10, {100, 100, 200}}};
    struct Row { int slider; int records; };
    for (const Row& r : {Row{10, 4}, Row{1, 3}}) {
        PlacementFixture f;
        ImportSettings settings = Keeping();
        settings.colorSlider = r.slider;
        EXPECT_EQ(f.Place(samples, settings).placed, 4);
        EXPECT_EQ(f.doc.Records().ColorChangeCount(), r.records) << "slider " << r.slider;
        EXPECT_EQ(f.doc.Records().ColorChanges().ColorAt(0), (HsvColor{100, 100, 100}));
    }
}

TEST(ImageImport, NewColoursDriftGlobByGlobAndTheShapeFollows)
{
    PlacementFixture f;
    f.drift.Channel(AutoChannel::Value).mode = AutoUp;
    f.drift.Channel(AutoChannel::Value).speed = 10;
    f.drift.StartAutoChange(AutoChannel::Value, f.shapes.Current().Color(), f.random);
    ImportSettings settings = Keeping();
    settings.colors = ImportColors::UseNew;
    const HsvColor before = f.shapes.Current().Color();
    // At the fastest speed the value steps once every six globs.
    const ImportPlacement placed = f.Place(std::vector<ImportSample>(13, {10, 10, {}}), settings);
    EXPECT_EQ(placed.placed, 13);
    ASSERT_EQ(f.drifted.size(), 2u);
    EXPECT_EQ(f.drifted[0].value, before.value + 10);
    EXPECT_EQ(f.shapes.Current().Color(), f.drifted.back());
    ASSERT_EQ(f.doc.Records().ColorChangeCount(), 3);
    EXPECT_EQ(f.doc.Records().GetColorChange(1)->globIndex, 5);
    EXPECT_EQ(f.doc.Records().GetColorChange(2)->Color(), f.drifted.back());
}

TEST(ImageImport, PlacementSkipsRefusedGlobsAndStopsWhereTheUserCancels)
{
    PlacementFixture f;
    std::vector<ImportSample> samples(250, ImportSample{50, 50, {}});
    samples[0] = ImportSample{500, 500, {}}; // beyond the margin: refused
    int checks = 0;
    ImportProgress progress;
    progress.cancelRequested = [&] { return ++checks == 2; };
    const ImportPlacement placed = f.Place(samples, Keeping(), progress);
    EXPECT_TRUE(placed.cancelled);
    EXPECT_EQ(placed.placed, 100) << "samples 1 to 100; checked at 0 and 100";
    EXPECT_EQ(f.doc.Records().GlobCount(), 100);
}
