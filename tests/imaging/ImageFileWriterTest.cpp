#include "imaging/ImageFileWriter.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "imaging/JpegFile.h"

#include <gtest/gtest.h>

namespace
{
QImage Quadrants()
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, x < 20 ? (y < 15 ? qRgb(200, 30, 30) : qRgb(30, 200, 30))
                                        : (y < 15 ? qRgb(30, 30, 200) : qRgb(230, 230, 40)));
    return image;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The mean difference per channel: JPEG blurs colour edges, so single pixels may be far off.
double MeanDifference(const QImage& a, const QImage& b)
{
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}
} // namespace

TEST(ImageFileWriter, EachKindReadsBackAsWritten)
{
    QTemporaryDir dir;
    struct Row { const char* name; double mean; };
    for (const Row& r : {Row{"picture.png", 0}, Row{"picture.BMP", 0}, Row{"picture.jpeg", 6}}) {
        const QString path = dir.filePath(QString::fromLatin1(r.name));
        ASSERT_TRUE(WriteImageFile(path, Quadrants(), 100).ok) << r.name;
        QImage back;
        if (ImageFileKindOf(path) == ImageFileKind::Jpeg)
            ASSERT_TRUE(ReadJpegFile(path, back).ok);
        else
            back = QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), Quadrants().size()) << r.name;
        EXPECT_LE(MeanDifference(back, Quadrants()), r.mean) << r.name;
    }
}

TEST(ImageFileWriter, AFailedWriteKeepsTheOldFileAndSaysSo)
{
    QTemporaryDir dir;
    for (const char* name : {"keep.png", "keep.bmp", "keep.jpg"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(WriteImageFile(path, Quadrants(), 90).ok);
        const QByteArray before = Bytes(path);
        const ImageStatus failed = WriteImageFile(path, QImage(), 90);
        EXPECT_FALSE(failed.ok) << name;
        EXPECT_FALSE(failed.message.isEmpty()) << name;
        EXPECT_EQ(Bytes(path), before) << name;
    }
    const ImageStatus unknown = WriteImageFile(dir.filePath("picture.gif"), Quadrants(), 90);
    EXPECT_FALSE(unknown.ok);
    EXPECT_FALSE(QFile::exists(dir.filePath("picture.gif")));
}
