#include "imaging/BackgroundPlacement.h"
#include "imaging/BackgroundTemp.h"
#include "imaging/JpegFile.h"
#include "PictureFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

struct PlacementCase
{
    const char* name;
    QSize picture;
    BackgroundSizing sizing;
    QSize bitmap; // after cropping to the drawing
    QPoint offset;
};

void PrintTo(const PlacementCase& c, std::ostream* os)
{
    *os << c.name;
}

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, SizesCropsAndCentresOnA640By480Drawing)
{
    const PlacementCase c = GetParam();
    const PlacedBackground placed =
        PlaceBackground(SolidImage(c.picture.width(), c.picture.height(), qRgb(9, 99, 199)), QSize(640, 480), c.sizing);
    EXPECT_EQ(placed.bitmap.size(), c.bitmap);
    EXPECT_EQ(placed.offset, c.offset);
    EXPECT_EQ(placed.bitmap.format(), QImage::Format_RGB32);
}

INSTANTIATE_TEST_SUITE_P(Rows, Placement, ::testing::Values(
    PlacementCase{"normal small centred", {200, 100}, BackgroundSizing::Normal, {200, 100}, {220, 190}},
    PlacementCase{"normal large cut", {1000, 1000}, BackgroundSizing::Normal, {640, 480}, {0, 0}},
    PlacementCase{"normal odd leftover", {639, 3}, BackgroundSizing::Normal, {639, 3}, {0, 238}},
    PlacementCase{"fit wide", {1000, 500}, BackgroundSizing::FitDrawing, {640, 320}, {0, 80}},
    PlacementCase{"fit tall", {500, 1000}, BackgroundSizing::FitDrawing, {240, 480}, {200, 0}},
    PlacementCase{"fit small grows", {64, 48}, BackgroundSizing::FitDrawing, {640, 480}, {0, 0}},
    PlacementCase{"fit thin line keeps a row", {5000, 1}, BackgroundSizing::FitDrawing, {640, 1}, {0, 239}},
    PlacementCase{"fit thin column keeps a column", {1, 5000}, BackgroundSizing::FitDrawing, {1, 480}, {319, 0}},
    PlacementCase{"stretch small", {10, 300}, BackgroundSizing::SquashStretch, {640, 480}, {0, 0}},
    PlacementCase{"squash large", {3000, 2000}, BackgroundSizing::SquashStretch, {640, 480}, {0, 0}}));

TEST(Background, LargePictureKeepsItsTopLeftPart)
{
    QImage picture = SolidImage(1000, 1000, qRgb(0, 0, 0));
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(639, 479, qRgb(0, 255, 0));
    const PlacedBackground placed = PlaceBackground(picture, QSize(640, 480), BackgroundSizing::Normal);
    EXPECT_EQ(placed.bitmap.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(placed.bitmap.pixel(639, 479), qRgb(0, 255, 0));
}

TEST(Background, LoadingPassesThroughJpegAndCentres)
{
    PlacedBackground background;
    const QImage picture = SolidImage(200, 100, qRgb(200, 30, 60));
    ASSERT_TRUE(MakeBackground(picture, QSize(640, 480), BackgroundSizing::Normal, background).ok);
    EXPECT_EQ(background.offset, QPoint(220, 190));
    EXPECT_LE(LargestDifference(background.bitmap, picture), 3);
}

TEST(Background, TempFileLivesInAFreshFolderRemovedAfterUse)
{
    QString folder;
    PlacedBackground background;
    {
        BackgroundTemp temp;
        folder = QFileInfo(temp.path()).absolutePath();
        EXPECT_EQ(QFileInfo(temp.path()).fileName(), "DBRtemp.tmp");
        EXPECT_NE(QDir(folder), QDir::current());
        ASSERT_TRUE(temp.WriteBackgroundTemp(SolidImage(800, 600, qRgb(10, 20, 30))).ok);
        ASSERT_TRUE(QFile::exists(temp.path()));
        // Stored larger than the drawing: comes back at (0, 0), never at a negative offset.
        ASSERT_TRUE(temp.ReadBackgroundTemp(QSize(640, 480), background).ok);
    }
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(background.offset, QPoint(0, 0));
    EXPECT_EQ(background.bitmap.size(), QSize(640, 480));
}

TEST(Background, StoredBytesAreTheTempFileBytesAndReadBackCentred)
{
    const QImage bitmap = QuadrantImage();
    QByteArray fileBytes;
    {
        BackgroundTemp temp;
        ASSERT_TRUE(temp.WriteBackgroundTemp(bitmap).ok);
        QFile file(temp.path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        fileBytes = file.readAll();
    }
    const QByteArray stored = EncodeBackgroundJpeg(bitmap);
    EXPECT_EQ(stored, fileBytes);

    QImage decoded;
    QPoint offset(-1, -1);
    ASSERT_TRUE(DecodeBackgroundJpeg(stored, QSize(101, 100), decoded, offset));
    EXPECT_EQ(decoded.size(), QSize(16, 16));
    EXPECT_EQ(offset, QPoint(42, 42));
}

TEST(Background, BrokenStoredPictureLeavesNoBackground)
{
    QImage bitmap = QuadrantImage();
    QPoint offset(5, 5);
    ImageStatus status;
    const QByteArray stored = EncodeBackgroundJpeg(QuadrantImage());
    EXPECT_FALSE(DecodeBackgroundJpeg(stored.left(stored.size() / 2), QSize(640, 480), bitmap, offset, &status));
    EXPECT_TRUE(bitmap.isNull());
    EXPECT_EQ(offset, QPoint(0, 0));
    EXPECT_EQ(status.title, kJpegErrorTitle);

    PlacedBackground background{QuadrantImage(), QPoint(3, 3)};
    EXPECT_FALSE(MakeBackground(QImage(), QSize(640, 480), BackgroundSizing::Normal, background).ok);
    EXPECT_TRUE(background.bitmap.isNull());
}

} // namespace
