#include "app/HeadlessCommands.h"
#include "app/HeadlessDrawing.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "HeadlessRun.h"

namespace {

QString Folder() { return ProgramFolderForTests(); }

struct HeadlessRun
{
    std::optional<int> rc;
    std::string out;
    std::string err;
};

HeadlessRun Headless(const QStringList& args)
{
    HeadlessRun r;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    r.rc = RunHeadlessCommand(args, Folder());
    r.out = testing::internal::GetCapturedStdout();
    r.err = testing::internal::GetCapturedStderr();
    return r;
}

// A small drawing with two strokes, a colour change and a background colour, saved to disk.
QString MakeDrawing(const QTemporaryDir& dir, QImage* rendered = nullptr)
{
    HeadlessDrawing d(3);
    QString message;
    EXPECT_TRUE(d.LoadShapes(Folder(), message)) << message.toStdString();
    EXPECT_TRUE(d.Doc().NewDrawing(120, 100));
    d.Doc().SetBackgroundColor(MakeRgb(0x12, 0x34, 0x56));
    DrawingModes modes;
    modes.symmetry.polar = false;
    modes.jitter = false;
    AutoChangeState drift;
    DrawingSession session(d.Doc(), DrawingTools{d.Shapes(), modes, drift, d.Random(), nullptr});
    session.InitialUpdate();
    session.Strokes().Press({10, 10}, {});
    session.Strokes().Move({30, 10}, {});
    session.Strokes().Release();
    d.Shapes().Current().SetColorLater(HsvColor{200, 255, 255});
    session.Strokes().Press({50, 50}, {});
    session.Strokes().Release();
    const QString path = dir.filePath(QStringLiteral("small.dbr"));
    EXPECT_TRUE(d.Save(path, message));
    if (rendered)
        *rendered = d.Render();
    return path;
}

TEST(HeadlessCommands, InfoDescribesTheDrawing)
{
    QTemporaryDir dir;
    const QString path = MakeDrawing(dir);
    const HeadlessRun r = Headless({QStringLiteral("--info"), path, QStringLiteral("--records")});
    ASSERT_EQ(r.rc, 0) << r.err;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
    EXPECT_EQ(o[QStringLiteral("width")].toInt(), 120);
    EXPECT_EQ(o[QStringLiteral("height")].toInt(), 100);
    EXPECT_EQ(o[QStringLiteral("printSize")].toInt(), 100);
    EXPECT_EQ(o[QStringLiteral("backgroundColor")].toString(), QStringLiteral("#123456"));
    EXPECT_EQ(o[QStringLiteral("sections")].toArray(), (QJsonArray{2, 3}));
    EXPECT_EQ(o[QStringLiteral("globCount")].toInt(), 3);
    EXPECT_EQ(o[QStringLiteral("colorChangeCount")].toInt(), 2);
    EXPECT_FALSE(o[QStringLiteral("hasBackgroundImage")].toBool());
    EXPECT_TRUE(o[QStringLiteral("backgroundImageSize")].isNull());
    const QJsonArray glob = o[QStringLiteral("globs")].toArray()[1].toArray();
    EXPECT_EQ(glob[0].toInt(), 30);
    EXPECT_EQ(glob[1].toInt(), 10);
    EXPECT_EQ(o[QStringLiteral("colorChanges")].toArray()[1].toArray(), (QJsonArray{2, 200, 255, 255}));
}

TEST(HeadlessCommands, ExportWritesTheRenderedDrawing)
{
    QTemporaryDir dir;
    QImage expected;
    const QString path = MakeDrawing(dir, &expected);
    const QString png = dir.filePath(QStringLiteral("out.png"));
    ASSERT_EQ(Headless({QStringLiteral("--export"), png, path}).rc, 0);
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), expected);
    const QString jpg = dir.filePath(QStringLiteral("out.jpg"));
    ASSERT_EQ(Headless({QStringLiteral("--export"), jpg, path, QStringLiteral("--quality"), QStringLiteral("90")}).rc, 0);
    EXPECT_EQ(QImage(jpg).size(), QSize(120, 100));
}

TEST(HeadlessCommands, ListShapesNamesEveryShape)
{
    const HeadlessRun r = Headless({QStringLiteral("--list-shapes")});
    ASSERT_EQ(r.rc, 0);
    const QJsonArray list = QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).array();
    ASSERT_FALSE(list.isEmpty());
    const QJsonObject first = list[0].toObject();
    EXPECT_EQ(first[QStringLiteral("index")].toInt(), 0);
    EXPECT_EQ(first[QStringLiteral("family")].toString().size(), 1);
    EXPECT_GT(first[QStringLiteral("width")].toInt(), 0);
}

TEST(HeadlessCommands, FailuresAndUsage)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.dbr"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x07" "Daubrox");
    f.close();
    struct Case
    {
        QStringList args;
        int rc;
        const char* err;
    };
    const Case cases[] = {
        {{QStringLiteral("--info"), bad}, 1, "Unexpected file format."},
        {{QStringLiteral("--info"), dir.filePath(QStringLiteral("missing.dbr"))}, 1, "Failed to open document."},
        {{QStringLiteral("--info")}, 2, "Usage:"},
        {{QStringLiteral("--export"), QStringLiteral("x.png")}, 2, "Usage:"},
        {{QStringLiteral("--bogus")}, 2, "unknown option"},
        {{QStringLiteral("--quality"), QStringLiteral("0"), QStringLiteral("--info"), bad}, 2, "--quality"},
    };
    for (const Case& c : cases) {
        const HeadlessRun r = Headless(c.args);
        EXPECT_EQ(r.rc, c.rc) << c.args.join(' ').toStdString();
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    EXPECT_EQ(Headless({QStringLiteral("--help")}).rc, 0);
    EXPECT_FALSE(Headless({QStringLiteral("drawing.dbr")}).rc.has_value()); // the windows open it
}

} // namespace
