#include "app/HeadlessCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "HeadlessRun.h"

namespace
{
QString Folder() { return ProgramFolderForTests(); }

struct ImportRun
{
    std::optional<int> rc;
    std::string err;
};

ImportRun Headless(const QStringList& args)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    ImportRun r;
    r.rc = RunHeadlessCommand(args, Folder());
    testing::internal::GetCapturedStdout();
    r.err = testing::internal::GetCapturedStderr();
    return r;
}

QJsonObject Info(const QString& drawing)
{
    testing::internal::CaptureStdout();
    RunHeadlessCommand({QStringLiteral("--info"), drawing, QStringLiteral("--records")}, Folder());
    return QJsonDocument::fromJson(QByteArray::fromStdString(testing::internal::GetCapturedStdout())).object();
}

// 24 x 24, red on the left half and blue on the right, exact colours (BMP keeps them).
QString RedBluePicture(const QTemporaryDir& dir)
{
    QImage picture(24, 24, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 24; ++y)
        for (int x = 12; x < 24; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    const QString path = dir.filePath(QStringLiteral("redblue.bmp"));
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
}

const QStringList kGridOfMediumBlobs = {QStringLiteral("--shape"), QStringLiteral("a-1blob"),
                                        QStringLiteral("--background"), QStringLiteral("keep"),
                                        QStringLiteral("--order"), QStringLiteral("grid")};
QStringList ImportArgs(const QString& picture, const QString& out)
{
    return QStringList{QStringLiteral("--import"), picture, out} + kGridOfMediumBlobs;
}
} // namespace

// The picture is centred on a 100 x 100 drawing (its own size, raised to the smallest), so
// picture (u, v) is drawing (u + 38, v + 38). A medium shape at slider 5 samples every 12
// pixels: (6, 6) red, (18, 6) blue, then the staggered row (0, 18) red (only the pixels
// inside the picture) and (12, 18) half red, half blue.
TEST(HeadlessImport, APictureBecomesTheKnownGlobsAndColours)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("imported.dbr"));
    const ImportRun r = Headless(ImportArgs(RedBluePicture(dir), out));
    ASSERT_EQ(r.rc, 0) << r.err;
    const QJsonObject info = Info(out);
    EXPECT_EQ(info.value(QStringLiteral("width")).toInt(), 100);
    EXPECT_EQ(info.value(QStringLiteral("height")).toInt(), 100);
    const QJsonArray globs = info.value(QStringLiteral("globs")).toArray();
    ASSERT_EQ(globs.size(), 4);
    const int shape = globs[0].toArray()[2].toInt();
    const QJsonArray expectedGlobs = {QJsonArray{44, 44, shape}, QJsonArray{56, 44, shape},
                                      QJsonArray{38, 56, shape}, QJsonArray{50, 56, shape}};
    EXPECT_EQ(globs, expectedGlobs);
    const QJsonArray expectedChanges = {QJsonArray{0, 0, 255, 255}, QJsonArray{1, 240, 255, 255},
                                        QJsonArray{2, 0, 255, 255}, QJsonArray{3, 300, 255, 127}};
    EXPECT_EQ(info.value(QStringLiteral("colorChanges")).toArray(), expectedChanges);
    EXPECT_EQ(info.value(QStringLiteral("sections")).toArray(), (QJsonArray{4}));

    // Importing into the drawing again adds one more section after the first.
    ASSERT_EQ(Headless(ImportArgs(RedBluePicture(dir), out)).rc, 0);
    const QJsonObject twice = Info(out);
    EXPECT_EQ(twice.value(QStringLiteral("globCount")).toInt(), 8);
    EXPECT_EQ(twice.value(QStringLiteral("sections")).toArray(), (QJsonArray{4, 8}));
}

TEST(HeadlessImport, BadInputFailsWithItsMessageAndWritesNothing)
{
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.jpg"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    const QString out = dir.filePath(QStringLiteral("out.dbr"));
    struct Case { QStringList args; int rc; const char* says; };
    const Case cases[] = {
        {{QStringLiteral("--import"), broken, out}, 1, "error reading file."},
        {{QStringLiteral("--import"), RedBluePicture(dir), out, QStringLiteral("--shape"), QStringLiteral("zz")},
         1, "No shape named zz"},
        {{QStringLiteral("--import"), RedBluePicture(dir), out, QStringLiteral("--globs"), QStringLiteral("11")},
         2, "--globs needs a number from 1 to 10"},
        {{QStringLiteral("--import"), RedBluePicture(dir)}, 2, "needs a picture and a drawing file"},
    };
    for (const Case& c : cases) {
        const ImportRun r = Headless(c.args);
        EXPECT_EQ(r.rc, c.rc) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(QFile::exists(out)) << c.says;
    }
}
