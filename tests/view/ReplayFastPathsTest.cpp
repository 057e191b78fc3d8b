// Every quick way the canvas has of making a picture (compiled stamps, shading while writing,
// bands of rows on several threads, keyframes of the history) against a plain replay that
// shades each pixel of each glob from the shape's file pixels, one after another.
#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include <QImage>

#include <gtest/gtest.h>

#include "color/AutoChange.h"
#include "color/ColorConversion.h"
#include "color/RandomGenerator.h"
#include "imaging/PaddedImage.h"
#include "model/CDaubrixDoc.h"
#include "shapes/ShapeTable.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"

namespace {

// HSV to a pixel the textbook way, one channel at a time, truncating through double.
QRgb TextbookHsv(int hue, float s, float v)
{
    const auto byte = [](float f) { return int(double(f) * 255.0) & 0xFF; };
    if (s == 0.0f)
        return qRgb(byte(v), byte(v), byte(v));
    const float h = float(hue == 360 ? 0 : hue) * 0.016666668f;
    const int sector = int(h);
    const float f = h - float(sector);
    const float p = v * (1.0f - s), q = v * (1.0f - s * f), t = v * (1.0f - s * (1.0f - f));
    switch (sector) {
    case 0: return qRgb(byte(v), byte(t), byte(p));
    case 1: return qRgb(byte(q), byte(v), byte(p));
    case 2: return qRgb(byte(p), byte(v), byte(t));
    case 3: return qRgb(byte(p), byte(q), byte(v));
    case 4: return qRgb(byte(t), byte(p), byte(v));
    default: return qRgb(byte(v), byte(p), byte(q));
    }
}

// A file pixel of a shape recoloured: its own saturation and value scale the colour's.
QRgb Shade(QRgb pixel, HsvColor c)
{
    const HsvFractions f = RgbToHsv(qRed(pixel), qGreen(pixel), qBlue(pixel));
    const float sf = ByteFraction(c.saturation), vf = ByteFraction(c.value);
    return TextbookHsv(std::clamp<int>(c.hue, 0, 360), sf * f.saturation,
                       (vf * f.saturation + (1.0f - f.saturation)) * f.value);
}

// Globs [0, end) pixel by pixel on the paper, each record recolouring its glob's shape.
QImage PlainReplay(const CDaubrixDoc& doc, const ShapeTable& shapes, int end)
{
    const GlobStore& records = doc.Records();
    QImage image(records.DrawingWidth(), records.DrawingHeight(), QImage::Format_RGB32);
    const RgbColor paper = doc.BackgroundColor();
    image.fill(qRgb(RgbRed(paper), RgbGreen(paper), RgbBlue(paper)));
    std::vector<CColorChange> changes = records.ColorChanges().Items();
    std::stable_sort(changes.begin(), changes.end(),
                     [](const CColorChange& a, const CColorChange& b) { return a.globIndex < b.globIndex; });
    std::vector<std::optional<HsvColor>> color(size_t(shapes.Count()));
    size_t next = 0;
    for (int i = 0; i < end; ++i) {
        const CGlob& glob = records.GetGlob(i);
        while (next < changes.size() && changes[next].globIndex < i)
            ++next;
        for (; next < changes.size() && changes[next].globIndex == i; ++next)
            color[glob.shape] = changes[next].Color();
        const CShape& shape = shapes.Shape(glob.shape);
        const HsvColor c = color[glob.shape].value_or(shape.Color());
        const QImage& source = shape.Source();
        const QRgb background = source.pixel(0, 0);
        for (int sy = 0; sy < source.height(); ++sy) {
            for (int sx = 0; sx < source.width(); ++sx) {
                const int x = glob.x - source.width() / 2 + sx, y = glob.y - source.height() / 2 + sy;
                if (source.pixel(sx, sy) != background && image.rect().contains(x, y))
                    image.setPixel(x, y, Shade(source.pixel(sx, sy), c));
            }
        }
    }
    return image;
}

// Shapes with many tones: a shaded 14 x 14 disc, a 9 x 7 block with a hole and runs of one,
// two and three pixels, and a single pixel.
std::vector<std::unique_ptr<CShape>> ShadedShapes()
{
    std::vector<std::unique_ptr<CShape>> list;
    QImage disc(14, 14, QImage::Format_RGB32);
    disc.fill(Qt::white);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x)
            if ((x - 6.5) * (x - 6.5) + (y - 6.5) * (y - 6.5) < 42)
                disc.setPixel(x, y, qRgb(40 + 12 * x, 200 - 9 * y, 90 + 5 * (x + y)));
    list.push_back(std::make_unique<CShape>(QStringLiteral("a-1disc.bmp"), disc));
    QImage block(9, 7, QImage::Format_RGB32);
    block.fill(Qt::white);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            if (!(y == 3 && x >= 3 && x <= 5) && !(y == 0 && x > 0 && x < 4) && !(y == 6 && x % 3 == 1))
                block.setPixel(x, y, qRgb(255 - 20 * x, 30 * y, 128));
    list.push_back(std::make_unique<CShape>(QStringLiteral("b-1block.bmp"), block));
    QImage dot(3, 3, QImage::Format_RGB32);
    dot.fill(Qt::white);
    dot.setPixel(1, 1, qRgb(10, 200, 30));
    list.push_back(std::make_unique<CShape>(QStringLiteral("c-1dot.bmp"), dot));
    return list;
}

// A 300 x 200 drawing of strokes that wander past every edge into the margin, in all three
// shapes; `recordEvery` puts a colour change at every so many globs (0: none, so that the
// shapes' own colours are used).
struct ReplayFixture
{
    explicit ReplayFixture(int globs = 24000, int recordEvery = 7)
    {
        shapes.Adopt(ShadedShapes());
        shapes.PrepareAll();
        shapes.Shape(1).SetColor(HsvColor{200, 180, 220});
        doc.NewDrawing(300, 200);
        doc.SetBackgroundColor(MakeRgb(20, 30, 40));
        std::mt19937 random(5);
        std::uniform_int_distribution<int> step(-6, 6), hue(0, 360), byte(0, 255), shape(0, 2);
        int x = 150, y = 100;
        for (int i = 0; i < globs; ++i) {
            if (i % 97 == 0)
                shapes.SetCurrentIndex(shape(random));
            x = std::clamp(x + step(random), -8, 307);
            y = std::clamp(y + step(random), -8, 207);
            if (recordEvery > 0 && (i % recordEvery == 0 || i % 1000 < 40)) {
                const HsvColor c{std::int16_t(hue(random)), std::uint8_t(byte(random)), std::uint8_t(byte(random))};
                doc.Records().SetColorChange(i, c);
            }
            doc.Records().AppendGlob(x, y);
        }
        doc.SetUndoImageValid(false); // as for a drawing read from a file
    }

    QImage Plain(int end) const { return PlainReplay(doc, shapes, end); }

    ShapeTable shapes;
    CDaubrixDoc doc{shapes};
};

TEST(ReplayFastPaths, ShadingFourTonesAtOnceMatchesTheTextbookConversion)
{
    ShapeTable shapes;
    shapes.Adopt(ShadedShapes());
    shapes.PrepareAll();
    const CShape& disc = shapes.Shape(0);
    ShapeStamp stamp;
    for (int hue = 0; hue <= 360; ++hue) {
        for (int sv : {0, 1, 128, 254, 255}) {
            const HsvColor c{std::int16_t(hue), std::uint8_t(sv), std::uint8_t(255 - sv)};
            disc.PaintStamp(c.hue, c.saturation, c.value, stamp);
            for (int y = 0; y < 14; ++y) {
                for (int x = 0; x < 14; ++x) {
                    if (disc.Source().pixel(x, y) != disc.Source().pixel(0, 0)) {
                        ASSERT_EQ(stamp[size_t(y * 14 + x)], Shade(disc.Source().pixel(x, y), c))
                            << "hue " << hue << " sv " << sv << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

// One thread and several, with a record every few globs, at every glob, and none at all.
TEST(ReplayFastPaths, RenderingMatchesThePlainReplayOnAnyNumberOfThreads)
{
    for (int recordEvery : {7, 1, 0}) {
        ReplayFixture f(24000, recordEvery);
        DrawingCanvas canvas(f.doc, f.shapes);
        const QImage plain = f.Plain(f.doc.Records().GlobCount());
        for (int threads : {1, 2, 3, 5}) {
            canvas.SetReplayThreads(threads);
            EXPECT_EQ(canvas.RenderAll(), plain) << "threads " << threads << ", a record every " << recordEvery;
        }
    }
}

// Replaying part-way on top of an earlier picture, as the drawing window does between
// strokes, in bands: the colours carried over from the first part hold.
TEST(ReplayFastPaths, AReplayInBandsContinuesFromWhereTheLastOneStopped)
{
    ReplayFixture f;
    DrawingCanvas canvas(f.doc, f.shapes);
    canvas.SetReplayThreads(2);
    QImage image = NewPaddedImage(canvas.Size());
    image.fill(qRgb(20, 30, 40));
    ReplayColors colors(f.shapes);
    canvas.ReplayOnto(image, colors, 0, 9000);
    EXPECT_EQ(image, f.Plain(9000));
    canvas.ReplayOnto(image, colors, 9000, 24000);
    EXPECT_EQ(image, f.Plain(24000));
}

struct SliderFixture : ReplayFixture
{
    explicit SliderFixture(int recordEvery = 7) : ReplayFixture(24000, recordEvery)
    {
        session = std::make_unique<DrawingSession>(doc, DrawingTools{shapes, modes, drift, random, nullptr});
        session->InitialUpdate();
        Canvas().Keyframes().SetMinSpacing(1000);
        Canvas().Paint({});
    }

    DrawingCanvas& Canvas() { return session->Canvas(); }
    // Lets the slider go at p and paints, as the Drawing History window does.
    void MoveTo(int p)
    {
        session->History().ReleaseSlider(p);
        Canvas().Paint({});
    }

    DrawingModes modes;
    AutoChangeState drift;
    RandomGenerator random{3};
    std::unique_ptr<DrawingSession> session;
};

TEST(ReplayFastPaths, HistoryMovesFromKeyframesShowWhatAPlainReplayShows)
{
    SliderFixture f;
    for (int p : {12000, 24000, 3, 23999, 15001, 15000, 999, 1000, 1001, 20500, 4200, 24000}) {
        f.MoveTo(p);
        ASSERT_EQ(f.Canvas().DrawingImage(), f.Plain(p)) << "at " << p;
    }
    EXPECT_GT(f.Canvas().Keyframes().Count(), 10);
    EXPECT_LE(f.Canvas().Keyframes().Bytes(), KeyframeStore::kBudgetBytes);
}

// Keyframes must not outlive what they show: records changed below them, a shape's own
// colour that globs without a record use, and the paper.
TEST(ReplayFastPaths, KeyframesGiveWayWhenWhatTheyShowChanges)
{
    SliderFixture f;
    const auto visit = [&] {
        for (int p : {24000, 2000, 18000, 9000})
            f.MoveTo(p);
    };
    struct Change
    {
        const char* what;
        std::function<void(SliderFixture&)> make;
    };
    const Change changes[] = {
        // Late globs are the ones left showing, so each change is made near a keyframe.
        {"a record below the keyframes", [](SliderFixture& s) { s.doc.Records().SetColorChange(19990, HsvColor{90, 255, 255}); }},
        {"globs taken out", [](SliderFixture& s) { s.doc.Records().DeleteGlobRange(19900, 19950); }},
        {"a glob put in", [](SliderFixture& s) { s.doc.Records().InsertGlob(19995, 40, 40); }},
        {"records rewritten",
         [](SliderFixture& s) {
             std::vector<CColorChange>& items = s.doc.Records().EditColorChanges();
             CColorChange& late = items[items.size() - 30];
             late.hue = std::int16_t((late.hue + 180) % 360);
         }},
        {"the paper", [](SliderFixture& s) { s.doc.SetBackgroundColor(MakeRgb(200, 10, 10)); }},
    };
    for (const Change& change : changes) {
        visit();
        change.make(f);
        f.session->History().ReleaseSlider(0);
        f.Canvas().Paint({});
        for (int p : {20000, 12345, f.doc.Records().GlobCount() - 1, f.doc.Records().GlobCount()}) {
            f.MoveTo(p);
            ASSERT_EQ(f.Canvas().DrawingImage(), f.Plain(p)) << change.what << ", at " << p;
        }
    }
}

TEST(ReplayFastPaths, KeyframesOfGlobsInTheShapesOwnColourFollowThatColour)
{
    SliderFixture f(0);
    f.MoveTo(10000);
    f.shapes.Shape(0).SetColor(HsvColor{30, 255, 255});
    f.Canvas().Regenerate(); // what a colour change of the shape asks for
    f.Canvas().Paint({});
    f.MoveTo(22000);
    EXPECT_EQ(f.Canvas().DrawingImage(), f.Plain(22000));
}

TEST(ReplayFastPaths, TheRecordsTellTheFirstGlobEachChangeTouches)
{
    ReplayFixture f(100);
    GlobStore& records = f.doc.Records();
    struct Case
    {
        const char* what;
        std::function<void()> change;
        int from;
    };
    const Case cases[] = {
        {"append", [&] { records.AppendGlob(1, 1); }, 100},
        {"insert", [&] { records.InsertGlob(40, 1, 1); }, 40},
        {"delete", [&] { records.DeleteGlobRange(30, 35); }, 30},
        {"truncate", [&] { records.TruncateGlobs(60); }, 60},
        {"colour", [&] { records.SetColorChange(12, HsvColor{1, 2, 3}); }, 12},
        {"offset down", [&] { records.OffsetColorChanges(50, -10); }, 40},
        {"remove", [&] { records.RemoveColorChangesBetween(20, 25); }, 20},
        {"swap", [&] { records.SwapColorChanges(); }, 0},
        {"nothing", [] {}, INT_MAX},
    };
    for (const Case& c : cases) {
        records.TakeChangedFrom();
        c.change();
        EXPECT_EQ(records.TakeChangedFrom(), c.from) << c.what;
    }
}

TEST(ReplayFastPaths, PaddedImagesKeepTheirRowsOffTheCacheSetPeriod)
{
    struct Case
    {
        int width;
        qsizetype stride;
    };
    for (const Case c : {Case{2048, 2048 * 4 + 64}, Case{512, 512 * 4 + 64}, Case{1000, 4000}, Case{1, 4}}) {
        QImage image = NewPaddedImage(QSize(c.width, 3));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.bytesPerLine(), c.stride) << c.width;
        image.fill(qRgb(1, 2, 3));
        image.setPixel(c.width - 1, 2, qRgb(9, 8, 7));
        QImage copy = NewPaddedImage(QSize(c.width, 3));
        uchar* const bits = copy.bits();
        CopyPixels(image, copy);
        EXPECT_EQ(copy, image);
        EXPECT_EQ(copy.bits(), bits) << "the copy keeps its own rows";
    }
}

} // namespace
