#include "imaging/JpegFile.h"
#include "PictureFixtures.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(JpegFile, FileRoundTripKeepsSizeColoursAndOrientation)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("quadrants.jpg");
    const QImage original = QuadrantImage();
    ASSERT_TRUE(WriteJpegFile(path, 100, original).ok);

    QImage read;
    const ImageStatus status = ReadJpegFile(path, read);
    ASSERT_TRUE(status.ok) << status.message.toStdString();
    EXPECT_EQ(read.format(), QImage::Format_RGB32);
    EXPECT_EQ(read.size(), original.size());
    // Colour is stored at half resolution, so only the blocks' inner pixels keep it exactly.
    for (const QPoint inner : {QPoint(2, 2), QPoint(13, 2), QPoint(2, 13), QPoint(13, 13)})
        EXPECT_LE(ColourDistance(read.pixel(inner), original.pixel(inner)), 3) << inner.x() << "," << inner.y();
    EXPECT_EQ(qAlpha(read.pixel(5, 5)), 255);
}

TEST(JpegFile, PrimaryColoursKeepTheirChannelsAtOddWidths)
{
    for (const QRgb colour : {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)}) {
        for (const QSize size : {QSize(1, 1), QSize(5, 3), QSize(33, 17)}) {
            const QImage original = SolidImage(size.width(), size.height(), colour);
            QImage read;
            ASSERT_TRUE(DecodeJpeg(JpegOf(original), read).ok);
            EXPECT_LE(LargestDifference(read, original), 3) << std::hex << colour << " " << size.width();
        }
    }
}

TEST(JpegFile, GreyscalePictureReadsAsGreyRgb)
{
    QImage grey(9, 7, QImage::Format_Grayscale8);
    grey.fill(100);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        ASSERT_TRUE(grey.save(&buffer, "JPEG", 100));
    }
    QImage read;
    ASSERT_TRUE(DecodeJpeg(bytes, read).ok);
    EXPECT_EQ(read.format(), QImage::Format_RGB32);
    EXPECT_EQ(read.size(), QSize(9, 7));
    EXPECT_LE(ColourDistance(read.pixel(4, 3), qRgb(100, 100, 100)), 1);
}

TEST(JpegFile, BadDataFailsWithTheLibraryMessage)
{
    const QByteArray good = JpegOf(QuadrantImage());
    struct Case
    {
        const char* name;
        QByteArray bytes;
        const char* message; // nullptr: any text of the library
    };
    const Case cases[] = {
        {"empty", QByteArray(), nullptr},
        {"not a jpeg", QByteArray("BM this is no picture at all"), nullptr},
        {"cut in the header", good.left(20), nullptr},
        {"cut in the pixels", good.left(good.size() - 40), "Premature end of JPEG file"},
    };
    for (const Case& c : cases) {
        QImage image = SolidImage(2, 2, 0);
        const ImageStatus status = DecodeJpeg(c.bytes, image);
        EXPECT_FALSE(status.ok) << c.name;
        EXPECT_TRUE(image.isNull()) << c.name;
        EXPECT_EQ(status.title, kJpegErrorTitle) << c.name;
        EXPECT_FALSE(status.message.isEmpty()) << c.name;
        if (c.message) {
            EXPECT_EQ(status.message, QString(c.message));
        }
    }
}

// A header that claims a picture of 65000 x 65000 pixels must not make the reader take 16 GB.
TEST(JpegFile, RefusesPicturesTooLargeBeforeAllocating)
{
    QByteArray bytes = JpegOf(SolidImage(8, 8, qRgb(1, 2, 3)));
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    for (int i : {5, 6, 7, 8}) // height then width, big-endian
        bytes[sof + i] = char(i % 2 ? 0xFD : 0xE8);
    QImage image;
    const ImageStatus status = DecodeJpeg(bytes, image);
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, kPictureTooLargeText);
    EXPECT_TRUE(image.isNull());
}

TEST(JpegFile, FileErrorsUseTheProgramsTexts)
{
    QTemporaryDir dir;
    QImage image;
    const ImageStatus missing = ReadJpegFile(dir.filePath("missing.jpg"), image);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, kCantOpenFileText);
    EXPECT_EQ(missing.icon, MessageIcon::Stop);

    const ImageStatus unwritable = WriteJpegFile(dir.filePath("no/such/folder/x.jpg"), 100, QuadrantImage());
    EXPECT_FALSE(unwritable.ok);
    EXPECT_EQ(unwritable.message, kErrorWritingJpgText);
    EXPECT_EQ(unwritable.icon, MessageIcon::None);
}

TEST(JpegFile, FailedWriteLeavesTheOldFileAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.jpg");
    ASSERT_TRUE(WriteJpegFile(path, 100, QuadrantImage()).ok);
    const QByteArray before = ReadAll(path);
    EXPECT_FALSE(WriteJpegFile(path, 100, QImage()).ok);
    EXPECT_EQ(ReadAll(path), before);
}

TEST(JpegFile, FileHoldsExactlyTheEncodedBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("same.jpg");
    ASSERT_TRUE(WriteJpegFile(path, 75, QuadrantImage()).ok);
    EXPECT_EQ(ReadAll(path), JpegOf(QuadrantImage(), 75));
}

} // namespace
