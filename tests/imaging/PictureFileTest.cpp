#include "imaging/PackedDib.h"
#include "imaging/PictureFile.h"
#include "PictureFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

// Five pixels wide (15 bytes of samples, one byte of padding) and different in every pixel,
// so row order, side order, channel order and padding all show.
QImage DistinctImage()
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 * x + 10, 70 * y + 5, 200 - 30 * x));
    return image;
}

QByteArray BmpFileOf(const QByteArray& dib)
{
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(14 + 40, file.data() + 10);
    return file + dib;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

quint32 Le32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

TEST(PackedDib, HeaderAndBottomUpPaddedRows)
{
    const QByteArray dib = MakeDib(DistinctImage());
    ASSERT_EQ(dib.size(), 40 + 16 * 3);
    EXPECT_EQ(Le32(dib, 0), 40u);
    EXPECT_EQ(Le32(dib, 4), 5u);
    EXPECT_EQ(Le32(dib, 8), 3u); // positive: bottom-up
    EXPECT_EQ(qFromLittleEndian<quint16>(dib.constData() + 14), 24);
    EXPECT_EQ(Le32(dib, 16), 0u); // no compression
    EXPECT_EQ(Le32(dib, 20), 48u);
    // First stored row is the picture's bottom row, its first pixel blue, green, red.
    EXPECT_EQ(quint8(dib[40]), 200);
    EXPECT_EQ(quint8(dib[41]), 145);
    EXPECT_EQ(quint8(dib[42]), 10);
    EXPECT_EQ(dib[40 + 15], '\0');
    EXPECT_TRUE(MakeDib(QImage()).isEmpty());
}

// A DIB behind a file header is a BMP file: reading it back must give the very pixels.
TEST(PictureFile, ReadsBmpExactlyAndTellsKindsByContent)
{
    QTemporaryDir dir;
    const QByteArray bmp = BmpFileOf(MakeDib(DistinctImage()));
    const QByteArray jpeg = JpegOf(SolidImage(6, 4, qRgb(0, 0, 255)));
    struct Case
    {
        const char* name;
        const QByteArray* bytes;
    };
    const Case cases[] = {
        {"plain.bmp", &bmp}, {"SHOUTED.BMP", &bmp}, {"bmp-named.jpg", &bmp},
        {"photo.jpg", &jpeg}, {"PHOTO.JPG", &jpeg}, {"jpeg-named.bmp", &jpeg},
    };
    for (const Case& c : cases) {
        WriteFile(dir.filePath(c.name), *c.bytes);
        QImage picture;
        const ImageStatus status = ReadPictureFile(dir.filePath(c.name), picture);
        ASSERT_TRUE(status.ok) << c.name << status.message.toStdString();
        EXPECT_EQ(picture.format(), QImage::Format_RGB32) << c.name;
        const QImage expected = c.bytes == &bmp ? DistinctImage() : SolidImage(6, 4, qRgb(0, 0, 255));
        const int tolerance = c.bytes == &bmp ? 0 : 3;
        EXPECT_LE(LargestDifference(picture, expected), tolerance) << c.name;
    }
}

TEST(PictureFile, UnreadableFilesFailWithTheReadersOwnText)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("broken.bmp"), "BM and then nothing useful");
    WriteFile(dir.filePath("broken.jpg"), "neither kind");
    struct Case
    {
        const char* name;
        QString message;
    };
    const Case cases[] = {
        {"broken.bmp", QString()},
        {"missing.jpg", kCantOpenFileText},
        {"missing.bmp", QString()},
    };
    for (const Case& c : cases) {
        QImage picture = SolidImage(1, 1, 0);
        const ImageStatus status = ReadPictureFile(dir.filePath(c.name), picture);
        EXPECT_FALSE(status.ok) << c.name;
        EXPECT_TRUE(picture.isNull()) << c.name;
        EXPECT_EQ(status.message, c.message) << c.name;
    }
    QImage picture;
    const ImageStatus library = ReadPictureFile(dir.filePath("broken.jpg"), picture);
    EXPECT_FALSE(library.ok);
    EXPECT_EQ(library.title, kJpegErrorTitle);
}

} // namespace
