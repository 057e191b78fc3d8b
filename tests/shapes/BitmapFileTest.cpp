#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <climits>
#include <string>

#include "shapes/BitmapFile.h"
#include "shapes/BmpBuilder.h"

namespace {

// A 5 x 3 picture (odd width: partial bytes and row padding) of four colours.
constexpr int kWidth = 5;
constexpr int kHeight = 3;
int IndexAt(int x, int y) { return (x + 2 * y) % 4; }

// Channel values 0 and 255 survive every bit depth; the first colour shows byte order.
const std::vector<QRgb> kFine = {qRgb(0x12, 0x34, 0x56), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
const std::vector<QRgb> kPure = {qRgb(255, 255, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

struct FormatCase
{
    std::string name;
    BmpBuilder bmp;
    std::vector<QRgb> colors; // what IndexAt's colours must decode to
};

BmpBuilder Indexed(int bitCount, int entries, std::uint32_t colorsUsed)
{
    BmpBuilder b;
    b.bitCount = std::uint16_t(bitCount);
    b.colorsUsed = colorsUsed;
    b.table.assign(kFine.begin(), kFine.begin() + entries);
    b.pixel = [entries](int x, int y) { return std::uint32_t(IndexAt(x, y) % entries); };
    return b;
}

BmpBuilder Direct(int bitCount, const std::vector<QRgb>& colors, std::function<std::uint32_t(QRgb)> pack)
{
    BmpBuilder b;
    b.bitCount = std::uint16_t(bitCount);
    b.pixel = [colors, pack](int x, int y) { return pack(colors[size_t(IndexAt(x, y))]); };
    return b;
}

std::uint32_t Pack565(QRgb c) { return std::uint32_t(qRed(c) >> 3 << 11 | qGreen(c) >> 2 << 5 | qBlue(c) >> 3); }
std::uint32_t Pack555(QRgb c) { return std::uint32_t(qRed(c) >> 3 << 10 | qGreen(c) >> 3 << 5 | qBlue(c) >> 3); }
std::uint32_t PackRgbx(QRgb c) { return std::uint32_t(qRed(c) | qGreen(c) << 8 | qBlue(c) << 16); }

std::vector<FormatCase> FormatCases()
{
    std::vector<FormatCase> cases;
    cases.push_back({"1bpp", Indexed(1, 2, 0), {kFine[0], kFine[1], kFine[0], kFine[1]}});
    cases.push_back({"4bpp", Indexed(4, 4, 4), kFine});
    cases.push_back({"8bpp", Indexed(8, 4, 4), kFine});
    {
        FormatCase c{"8bppTopDown", Indexed(8, 4, 4), kFine};
        c.bmp.height = -kHeight;
        cases.push_back(c);
    }
    cases.push_back({"24bpp", Direct(24, kFine, PackBgr), kFine});
    {
        FormatCase c{"24bppTopDown", Direct(24, kFine, PackBgr), kFine};
        c.bmp.height = -kHeight;
        cases.push_back(c);
    }
    {
        // An optimisation palette before direct pixels is skipped.
        FormatCase c{"24bppWithTable", Direct(24, kFine, PackBgr), kFine};
        c.bmp.colorsUsed = 2;
        c.bmp.table = {qRgb(1, 2, 3), qRgb(4, 5, 6)};
        cases.push_back(c);
    }
    cases.push_back({"32bpp", Direct(32, kFine, PackBgr), kFine});
    {
        FormatCase c{"32bppBitFields", Direct(32, kFine, PackBgr), kFine};
        c.bmp.compression = 3;
        c.bmp.masks = {0xFF0000, 0x00FF00, 0x0000FF};
        cases.push_back(c);
    }
    cases.push_back({"16bpp555", Direct(16, kPure, Pack555), kPure});
    {
        FormatCase c{"16bpp565BitFields", Direct(16, kPure, Pack565), kPure};
        c.bmp.compression = 3;
        c.bmp.masks = {0xF800, 0x07E0, 0x001F};
        cases.push_back(c);
    }
    {
        // A version 5 header carries its masks inside; the pixels follow the whole header.
        FormatCase c{"32bppV5HeaderRgbxMasks", Direct(32, kFine, PackRgbx), kFine};
        c.bmp.headerSize = 124;
        c.bmp.compression = 3;
        c.bmp.masks = {0x0000FF, 0x00FF00, 0xFF0000};
        cases.push_back(c);
    }
    {
        FormatCase c{"8bppV4Header", Indexed(8, 4, 0), kFine};
        c.bmp.headerSize = 108;
        c.bmp.table.resize(256, qRgb(9, 9, 9));
        cases.push_back(c);
    }
    {
        // The file header's offset to the bits is not consulted.
        FormatCase c{"24bppWrongBitsOffset", Direct(24, kFine, PackBgr), kFine};
        c.bmp.bitsOffset = 9999;
        cases.push_back(c);
    }
    for (FormatCase& c : cases) {
        c.bmp.width = kWidth;
        if (c.bmp.height > 0)
            c.bmp.height = kHeight;
    }
    return cases;
}

TEST(BitmapFileTest, DecodesEveryFormatUsedForSmallPictures)
{
    for (const FormatCase& c : FormatCases()) {
        SCOPED_TRACE(c.name);
        QImage image;
        ASSERT_TRUE(LoadBitmapBytes(c.bmp.Build(), image));
        ASSERT_EQ(image.format(), QImage::Format_RGB32);
        ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x)
                EXPECT_EQ(image.pixel(x, y), c.colors[size_t(IndexAt(x, y))]) << x << "," << y;
        }
    }
}

struct HostileCase
{
    std::string name;
    std::function<void(BmpBuilder&)> spoil;
};

TEST(BitmapFileTest, RefusesHostileFilesCleanly)
{
    const std::vector<HostileCase> cases = {
        {"SizeOverflowsWidthTimesHeightTimesBits", [](BmpBuilder& b) { b.width = 0x40000000; b.height = 0x40000000; b.bitCount = 32; }},
        {"HeightIntMin", [](BmpBuilder& b) { b.height = INT_MIN; }},
        {"WidthNegative", [](BmpBuilder& b) { b.width = -4; }},
        {"WidthZero", [](BmpBuilder& b) { b.width = 0; }},
        {"HeightZero", [](BmpBuilder& b) { b.height = 0; }},
        {"AbsurdWidth", [](BmpBuilder& b) { b.width = 2000000000; b.height = 1; }},
        {"ColorsUsedBeyondTableSpace", [](BmpBuilder& b) { b.bitCount = 8; b.colorsUsed = 300; b.table.assign(300, 0); }},
        {"ColorsUsedBeyond4BitTable", [](BmpBuilder& b) { b.bitCount = 4; b.colorsUsed = 17; b.table.assign(17, 0); }},
        {"ColorTableRunsPastEnd", [](BmpBuilder& b) { b.colorsUsed = 0x40000000; }},
        {"ColorTableOfDefaultSizeMissing", [](BmpBuilder& b) { b.bitCount = 8; b.table.clear(); }},
        {"ZeroBitFieldMask", [](BmpBuilder& b) { b.bitCount = 32; b.compression = 3; b.masks = {0xFF0000, 0, 0xFF}; }},
        {"ScatteredBitFieldMask", [](BmpBuilder& b) { b.bitCount = 32; b.compression = 3; b.masks = {0xF0F000, 0xFF00, 0xFF}; }},
        {"MasksMissing", [](BmpBuilder& b) { b.width = 1; b.height = 1; b.bitCount = 16; b.compression = 3; }},
        {"BitFieldsWith24Bits", [](BmpBuilder& b) { b.compression = 3; b.masks = {0xFF0000, 0xFF00, 0xFF}; }},
        {"RunLengthCompression", [](BmpBuilder& b) { b.bitCount = 8; b.compression = 1; b.table.assign(256, 0); }},
        {"BitCountTwo", [](BmpBuilder& b) { b.bitCount = 2; }},
        {"BitCountZero", [](BmpBuilder& b) { b.bitCount = 0; }},
        {"BitsShorterThanHeaderSays", [](BmpBuilder& b) { b.cutBits = 7; }},
        {"HeightLargerThanFile", [](BmpBuilder& b) { b.height = 9; b.cutBits = 3 * 12; }},
        {"InfoHeaderLongerThanFile", [](BmpBuilder& b) { b.headerSize = 200; b.cutBits = 150; }},
        {"CoreHeader", [](BmpBuilder& b) { b.headerSize = 12; }},
        {"TruncatedInfoHeader", [](BmpBuilder& b) { b.cutBits = 30 + 12 * 3; }},
    };
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.name);
        BmpBuilder b;
        b.width = 4;
        b.height = 3;
        c.spoil(b);
        QImage image(2, 2, QImage::Format_RGB32);
        EXPECT_FALSE(LoadBitmapBytes(b.Build(), image));
        EXPECT_TRUE(image.isNull());
    }
}

TEST(BitmapFileTest, RefusesWhatIsNotABitmap)
{
    QImage image;
    BmpBuilder b;
    QByteArray bytes = b.Build();
    bytes[1] = 'A';
    EXPECT_FALSE(LoadBitmapBytes(bytes, image));
    EXPECT_FALSE(LoadBitmapBytes(QByteArray(), image));
    EXPECT_FALSE(LoadBitmapBytes(QByteArray("BM"), image));
    EXPECT_FALSE(LoadBitmapFile(QStringLiteral("/nonexistent/a-1x.bmp"), image));
}

// Indices the colour table does not cover are read as black rather than from past its end.
TEST(BitmapFileTest, IndicesBeyondTheColourTableReadAsBlack)
{
    BmpBuilder b;
    b.width = 3;
    b.bitCount = 8;
    b.colorsUsed = 2;
    b.table = {qRgb(10, 20, 30), qRgb(40, 50, 60)};
    b.pixel = [](int x, int) { return x == 0 ? 1u : x == 1 ? 2u : 255u; };
    QImage image;
    ASSERT_TRUE(LoadBitmapBytes(b.Build(), image));
    EXPECT_EQ(image.pixel(0, 0), qRgb(40, 50, 60));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 0));
}

TEST(BitmapFileTest, ReadsTheShapeFilesThatComeWithTheProgram)
{
    QImage image;
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/shapes/a-1blob.bmp");
    ASSERT_TRUE(LoadBitmapFile(path, image));
    EXPECT_EQ(image.size(), QSize(14, 14));
}

} // namespace
