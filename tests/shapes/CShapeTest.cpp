#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include <climits>

#include "color/ColorConversion.h"
#include "shapes/BitmapFile.h"
#include "shapes/CShape.h"

namespace {

const QRgb kBackground = qRgb(0, 128, 128);
const QRgb kCanvas = qRgb(200, 190, 180);

// A 9 x 7 shape: a filled rectangle inset by one pixel, with a hole of background colour
// in the middle and a grey and a white highlight.
QImage NineBySeven()
{
    QImage image(9, 7, QImage::Format_RGB32);
    image.fill(kBackground);
    for (int y = 1; y < 6; ++y) {
        for (int x = 1; x < 8; ++x)
            image.setPixel(x, y, qRgb(40 + 20 * x, 10, 5 * y));
    }
    image.setPixel(4, 3, kBackground);
    image.setPixel(2, 2, qRgb(255, 255, 255));
    image.setPixel(3, 2, qRgb(128, 128, 128));
    return image;
}

// What the mask and colour copy do to one target pixel: AND the mask, XOR the colour.
QImage ReferenceDraw(QImage target, const CShape& shape, int x, int y)
{
    const qint64 left = qint64(x) - shape.Width() / 2;
    const qint64 top = qint64(y) - shape.Height() / 2;
    const QRgb background = shape.Source().pixel(0, 0);
    for (int sy = 0; sy < shape.Height(); ++sy) {
        for (int sx = 0; sx < shape.Width(); ++sx) {
            if (left + sx < 0 || top + sy < 0 || left + sx >= target.width() || top + sy >= target.height())
                continue;
            const QPoint p(int(left + sx), int(top + sy));
            const QRgb mask = shape.Source().pixel(sx, sy) == background ? 0xFFFFFFFFu : 0xFF000000u;
            target.setPixel(p, (target.pixel(p) & mask) ^ (shape.Colored().pixel(sx, sy) & 0xFFFFFF));
        }
    }
    return target;
}

QImage Canvas(int width = 40, int height = 30)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kCanvas);
    return image;
}

TEST(CShapeTest, GlobCoversItsRectangleAndKeepsBackgroundPixels)
{
    CShape shape(QStringLiteral("a_1.bmp"), NineBySeven());
    ASSERT_TRUE(shape.Prepare());
    QImage target = Canvas();
    const QRect covered = shape.Draw(target, 10, 10);
    EXPECT_EQ(covered, QRect(QPoint(6, 7), QPoint(14, 13))); // (6, 7) up to, not including, (15, 14)
    EXPECT_EQ(target.pixel(6, 7), kCanvas);                   // file background
    EXPECT_EQ(target.pixel(7, 8), qRgb(60, 10, 5));
    EXPECT_EQ(target.pixel(10, 10), kCanvas);                 // inner pixel of the background colour
    EXPECT_EQ(target.pixel(8, 9), qRgb(255, 255, 255));
    EXPECT_EQ(target, ReferenceDraw(Canvas(), shape, 10, 10));
}

TEST(CShapeTest, RecolouredGlobsInsideAndAcrossTheImageEdge)
{
    CShape shape(QStringLiteral("a_1.bmp"), NineBySeven());
    ASSERT_TRUE(shape.Prepare());
    shape.Recolor(200, 180, 230);
    const QPoint places[] = {{20, 15}, {4, 3}, {35, 26}, {0, 0}, {-3, -2}, {39, 29}, {42, 5}, {20, -4}, {20, 33}, {-19, 15}, {-100, -100}, {5000, 7}, {INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}};
    for (const QPoint& p : places) {
        SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
        QImage target = Canvas();
        const QRect covered = shape.Draw(target, p.x(), p.y());
        EXPECT_EQ(covered.size(), QSize(9, 7));
        EXPECT_EQ(target, ReferenceDraw(Canvas(), shape, p.x(), p.y()));
    }
}

TEST(CShapeTest, ShapeWithoutBitmapOrPreparationDrawsNothing)
{
    CShape empty(QStringLiteral("z_1.bmp"), QImage());
    EXPECT_TRUE(empty.Prepare());
    empty.Recolor(10, 20, 30);
    QImage target = Canvas();
    EXPECT_TRUE(empty.Draw(target, 10, 10).isEmpty());

    CShape unprepared(QStringLiteral("a_1.bmp"), NineBySeven());
    unprepared.Recolor(10, 20, 30);
    EXPECT_TRUE(unprepared.Draw(target, 10, 10).isEmpty());
    EXPECT_EQ(target, Canvas());
}

TEST(CShapeTest, ColouredCopyIsTheFileOnBlack)
{
    CShape shape(QStringLiteral("a_1.bmp"), NineBySeven());
    ASSERT_TRUE(shape.Prepare());
    ASSERT_TRUE(shape.Prepare()); // a second call changes nothing
    const QImage source = NineBySeven();
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 9; ++x) {
            const QRgb expected = source.pixel(x, y) == kBackground ? qRgb(0, 0, 0) : source.pixel(x, y);
            EXPECT_EQ(shape.Colored().pixel(x, y), expected) << x << "," << y;
        }
    }
}

// The recolouring rule, pixel by pixel, as the user-visible behaviour is defined.
QImage ReferenceRecolor(const QImage& source, int hue, int saturation, int value)
{
    const float sFactor = float(saturation) * 0.003921569f;
    const float vFactor = float(value) * 0.003921569f;
    const QRgb background = source.pixel(0, 0);
    QImage out(source.size(), QImage::Format_RGB32);
    out.fill(qRgb(0, 0, 0));
    for (int i = 0; i < source.width(); ++i) {
        for (int j = 0; j < source.height(); ++j) {
            const QRgb p = source.pixel(i, j);
            if (p == background)
                continue;
            const HsvFractions f = RgbToHsv(qRed(p), qGreen(p), qBlue(p));
            const RgbColor c = HsvToRgb(hue, sFactor * f.saturation, (vFactor * f.saturation + (1 - f.saturation)) * f.value);
            out.setPixel(i, j, qRgb(RgbRed(c), RgbGreen(c), RgbBlue(c)));
        }
    }
    return out;
}

std::vector<CShape*> ProgramShapes(std::vector<std::unique_ptr<CShape>>& keep)
{
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/shapes"));
    std::vector<CShape*> shapes;
    for (const QString& name : folder.entryList({QStringLiteral("*.bmp")})) {
        QImage image;
        if (!LoadBitmapFile(folder.filePath(name), image))
            continue;
        keep.push_back(std::make_unique<CShape>(name, image));
        shapes.push_back(keep.back().get());
    }
    keep.push_back(std::make_unique<CShape>(QStringLiteral("a_1.bmp"), NineBySeven()));
    shapes.push_back(keep.back().get());
    return shapes;
}

TEST(CShapeTest, RecolorMatchesThePerPixelRuleForManyColours)
{
    std::vector<std::unique_ptr<CShape>> keep;
    const std::vector<CShape*> shapes = ProgramShapes(keep);
    ASSERT_GE(shapes.size(), 30u);
    for (CShape* shape : shapes) {
        ASSERT_TRUE(shape->Prepare());
        for (int k = 0; k < 150; ++k) {
            const int hue = k * 37 % 361;
            const int saturation = k * 101 % 256;
            const int value = k * 53 % 256;
            shape->Recolor(hue, saturation, value);
            ASSERT_EQ(shape->Colored(), ReferenceRecolor(shape->Source(), hue, saturation, value))
                << shape->Name().toStdString() << " " << hue << "/" << saturation << "/" << value;
        }
    }
}

int Brightness(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}); }
bool IsGrey(QRgb c) { return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c); }

TEST(CShapeTest, RecolorKeepsShadingAndLeavesGreysGrey)
{
    CShape shape(QStringLiteral("a_1.bmp"), NineBySeven());
    ASSERT_TRUE(shape.Prepare());
    const QImage source = NineBySeven();
    auto eachShapePixel = [&](auto check) {
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x)
                if (source.pixel(x, y) != kBackground)
                    check(source.pixel(x, y), shape.Colored().pixel(x, y));
    };

    shape.Recolor(120, 0, 255); // saturation 0: every pixel grey, at its own brightness
    eachShapePixel([](QRgb from, QRgb to) {
        EXPECT_TRUE(IsGrey(to));
        EXPECT_NEAR(Brightness(to), Brightness(from), 1);
    });

    shape.Recolor(240, 255, 255); // value 255: brightness as in the file
    eachShapePixel([](QRgb from, QRgb to) { EXPECT_NEAR(Brightness(to), Brightness(from), 1); });

    shape.Recolor(60, 200, 90); // greys and white stay exactly as drawn
    EXPECT_EQ(shape.Colored().pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_TRUE(IsGrey(shape.Colored().pixel(3, 2)));
    EXPECT_NEAR(qRed(shape.Colored().pixel(3, 2)), 128, 1);
    EXPECT_EQ(shape.Colored().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shape.Colored().pixel(4, 3), qRgb(0, 0, 0));
}

// Cursor pixel kinds: transparent, white outline, black outline.
enum class Ink { Clear, White, Black };

Ink InkAt(const CShape& shape, int x, int y)
{
    if (shape.CursorMask().pixelIndex(x, y) == 0)
        return Ink::Clear;
    return shape.CursorImage().pixelIndex(x, y) == 1 ? Ink::Black : Ink::White;
}

TEST(CShapeTest, CursorOutlinesTheShapeInWhiteThenBlack)
{
    QImage dot(3, 2, QImage::Format_RGB32); // one shape pixel at (1, 1)
    dot.fill(kBackground);
    dot.setPixel(1, 1, qRgb(255, 0, 0));
    CShape shape(QStringLiteral("a_0.bmp"), dot);
    ASSERT_TRUE(shape.Prepare());
    ASSERT_EQ(shape.CursorImage().size(), QSize(32, 32));
    ASSERT_EQ(shape.CursorMask().format(), QImage::Format_Mono);
    EXPECT_EQ(shape.CursorHotSpot(), QPoint(3, 3));

    const QPoint at(3, 3); // the shape pixel, placed with the shape's top-left at (2, 2)
    EXPECT_EQ(InkAt(shape, at.x(), at.y()), Ink::Clear);
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        EXPECT_EQ(InkAt(shape, at.x() + d.x(), at.y() + d.y()), Ink::White);
        EXPECT_EQ(InkAt(shape, at.x() + 2 * d.x(), at.y() + 2 * d.y()), Ink::Black);
        EXPECT_EQ(InkAt(shape, at.x() + 3 * d.x(), at.y() + 3 * d.y()), Ink::Clear);
    }
    EXPECT_EQ(InkAt(shape, 4, 4), Ink::Clear); // the outline follows the axes only
    int drawn = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            drawn += InkAt(shape, x, y) != Ink::Clear;
    EXPECT_EQ(drawn, 8);
}

TEST(CShapeTest, CursorOfALargeShapeIsClippedAndKeepsItsHotSpotInside)
{
    QImage big(40, 36, QImage::Format_RGB32);
    big.fill(qRgb(255, 0, 0));
    big.setPixel(0, 0, kBackground);
    CShape shape(QStringLiteral("a_2.bmp"), big);
    ASSERT_TRUE(shape.Prepare());
    EXPECT_EQ(shape.CursorHotSpot(), QPoint(22, 20));
    EXPECT_EQ(InkAt(shape, 31, 31), Ink::Clear);
    EXPECT_EQ(InkAt(shape, 1, 5), Ink::White);
    EXPECT_EQ(InkAt(shape, 0, 5), Ink::Black);

    QImage huge(100, 100, QImage::Format_RGB32);
    huge.fill(qRgb(255, 0, 0));
    CShape hugeShape(QStringLiteral("a_2.bmp"), huge); // all background: an empty stamp
    ASSERT_TRUE(hugeShape.Prepare());
    EXPECT_EQ(hugeShape.CursorHotSpot(), QPoint(31, 31));
}

} // namespace
