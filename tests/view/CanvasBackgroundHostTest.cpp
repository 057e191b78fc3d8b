#include <QImage>

#include <gtest/gtest.h>

#include "SessionFixture.h"
#include "view/CanvasBackgroundHost.h"

namespace {

QImage Plain(QRgb color)
{
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

// The encoded picture is kept for the next save, and never outlives the picture it shows.
TEST(CanvasBackgroundHost, SavesReuseTheEncodedPictureUntilThePictureChanges)
{
    SessionFixture f;
    CanvasBackgroundHost host(f.Canvas());
    EXPECT_TRUE(host.EncodeBackgroundJpeg().isEmpty());
    f.Canvas().SetBackground(Plain(qRgb(200, 30, 30)), {});
    const QByteArray red = host.EncodeBackgroundJpeg();
    ASSERT_FALSE(red.isEmpty());
    EXPECT_EQ(host.EncodeBackgroundJpeg().constData(), red.constData()) << "encoded again";
    f.Canvas().SetBackground(Plain(qRgb(30, 30, 200)), {});
    const QByteArray blue = host.EncodeBackgroundJpeg();
    const QImage read = QImage::fromData(blue, "JPG");
    ASSERT_FALSE(read.isNull());
    EXPECT_GT(qBlue(read.pixel(100, 50)), 150) << "the old picture was saved";
    f.Canvas().RemoveBackground();
    EXPECT_TRUE(host.EncodeBackgroundJpeg().isEmpty());
}

} // namespace
