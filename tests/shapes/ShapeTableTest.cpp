#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include "shapes/BmpBuilder.h"
#include "shapes/ShapeTable.h"

namespace {

QImage Dot()
{
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(qRgb(0, 128, 128));
    image.setPixel(1, 1, qRgb(255, 0, 0));
    return image;
}

std::vector<std::unique_ptr<CShape>> Shapes(const QStringList& names)
{
    std::vector<std::unique_ptr<CShape>> shapes;
    for (const QString& name : names)
        shapes.push_back(std::make_unique<CShape>(name, Dot()));
    return shapes;
}

QString ActiveNames(const ShapeTable& table)
{
    QStringList names;
    for (int i = 0; i < table.Count(); ++i)
        if (table.Shape(i).activeSize)
            names << table.Shape(i).Name();
    return names.join(' ');
}

// Medium is preferred, then small, then large.
TEST(ShapeTableTest, EachFamilyGetsOneActiveSizeMediumFirst)
{
    ShapeTable table;
    table.Adopt(Shapes({"a_0", "a_1", "a_2", "b_0", "b_2", "c_2", "d_1x", "d_1y"}));
    EXPECT_EQ(ActiveNames(table), "a_1 b_0 c_2 d_1x");
    EXPECT_EQ(table.CurrentIndex(), 1);
}

TEST(ShapeTableTest, SelectShapeSizeFallsBackInTheDescribedOrder)
{
    struct Case
    {
        QStringList family;
        int request;
        QString active;
    };
    const Case cases[] = {
        {{"a_0", "a_1", "a_2"}, 0, "a_0"},
        {{"a_0", "a_1", "a_2"}, 2, "a_2"},
        {{"a_1", "a_2"}, 0, "a_2"},  // small: small, large, medium
        {{"a_1"}, 0, "a_1"},
        {{"a_0", "a_1"}, 2, "a_1"},  // large: large, medium, small
        {{"a_0"}, 2, "a_0"},
        {{"a_0", "a_2"}, 1, "a_0"},  // medium: medium, small, large
        {{"a_2"}, 1, "a_2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family.join(',').toStdString() + " " + std::to_string(c.request));
        ShapeTable table;
        table.Adopt(Shapes(c.family + QStringList{"b_1"}));
        table.SelectShapeSize('a', c.request);
        EXPECT_EQ(ActiveNames(table), c.active + " b_1");
    }
}

TEST(ShapeTableTest, FindsShapesByFamilyAndSizeAndByPosition)
{
    ShapeTable table;
    table.Adopt(Shapes({"B_1", "a_0", "a_1", "c_2"}));
    EXPECT_TRUE(table.FindShape('a', '0'));
    EXPECT_FALSE(table.FindShape('A', '0')); // family letters are compared exactly
    EXPECT_EQ(table.IndexOfShape('a', '1'), 2);
    EXPECT_EQ(table.IndexOfShape('c', '1'), 4);
    EXPECT_EQ(table.IndexOfShape('z', '1'), 4);

    EXPECT_EQ(table.SelectByPosition(1), 2);
    EXPECT_EQ(table.CurrentIndex(), 2);
    EXPECT_EQ(table.SelectByPosition(2), 3);
    EXPECT_EQ(table.SelectByPosition(3), 4); // only three active sizes
    EXPECT_EQ(table.CurrentIndex(), 3);
}

QByteArray TinyBmp()
{
    BmpBuilder b;
    b.width = 3;
    b.height = 3;
    b.pixel = [](int x, int y) { return x == 1 && y == 1 ? 0xFF0000u : 0x808000u; };
    return b.Build();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Folder
{
    QTemporaryDir dir;
    explicit Folder(const QStringList& names, const QByteArray& bytes = TinyBmp())
    {
        QDir(dir.path()).mkdir(QStringLiteral("shapes"));
        for (const QString& name : names)
            WriteFile(dir.path() + QStringLiteral("/shapes/") + name, bytes);
    }
};

TEST(ShapeTableTest, DiscoveryKeepsTheFirst36NamesInByteOrder)
{
    QStringList names;
    for (int i = 0; i < 40; ++i) // families A..T and a..t, each in two sizes, listed backwards
        names.prepend(QStringLiteral("%1_%2.bmp").arg(QChar(i % 2 ? 'a' + i / 2 : 'A' + i / 2)).arg(i % 2));
    Folder folder(names);
    ShapeTable table;
    QStringList reports;
    EXPECT_EQ(table.Discover(folder.dir.path(), [&](const QString& m) { reports << m; }), 36);
    EXPECT_TRUE(reports.isEmpty());

    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) { return a.toLatin1() < b.toLatin1(); });
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(table.Shape(i).Name(), sorted[i]);
        EXPECT_TRUE(table.Shape(i).IsPrepared());
    }
    EXPECT_EQ(table.Shape(0).Name(), "A_0.bmp");   // capitals sort first
    EXPECT_EQ(table.Shape(35).Name(), "p_1.bmp");
}

TEST(ShapeTableTest, DiscoverySkipsBadNamesAndKeepsUnreadableShapesAsBlanks)
{
    Folder folder({"a_2big.bmp", "ab.bmp", "x_9.bmp", "q.bmp", "m_1.txt", "c_1.BMP"});
    WriteFile(folder.dir.path() + QStringLiteral("/shapes/b_1broken.bmp"), QByteArray("BM not a bitmap"));
    ShapeTable table;
    QStringList reports;
    ASSERT_EQ(table.Discover(folder.dir.path(), [&](const QString& m) { reports << m; }), 3);
    EXPECT_EQ(table.Shape(2).Name(), "c_1.BMP"); // the extension in any case, as files copied from elsewhere have it
    EXPECT_EQ(reports, QStringList{"error loading shape"});
    EXPECT_EQ(table.Shape(0).Name(), "a_2big.bmp");
    EXPECT_TRUE(table.Shape(0).activeSize); // a family with only a large size shows the large one
    EXPECT_EQ(table.CurrentIndex(), 0);

    const CShape& broken = table.Shape(1);
    EXPECT_FALSE(broken.HasBitmap());
    EXPECT_TRUE(broken.IsPrepared());
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    EXPECT_TRUE(broken.Draw(target, 5, 5).isEmpty());
    EXPECT_TRUE(table.PrepareAll());
}

TEST(ShapeTableTest, NoShapesFolderFindsNothing)
{
    QTemporaryDir dir;
    ShapeTable table;
    EXPECT_EQ(table.Discover(dir.path(), {}), 0);
}

TEST(ShapeTableTest, TheProgramsShapesAllLoad)
{
    ShapeTable table;
    QStringList reports;
    const int count = table.Discover(QCoreApplication::applicationDirPath(), [&](const QString& m) { reports << m; });
    EXPECT_GE(count, 30);
    EXPECT_LE(count, ShapeTable::kMaxShapes);
    EXPECT_TRUE(reports.isEmpty());
    int active = 0;
    for (int i = 0; i < count; ++i) {
        const CShape& shape = table.Shape(i);
        SCOPED_TRACE(shape.Name().toStdString());
        ASSERT_TRUE(shape.HasBitmap());
        const QByteArray name = shape.Name().toLatin1();
        const int size = name[2] - '0';
        const int lows[] = {7, 12, 18};
        const int highs[] = {9, 15, 26};
        EXPECT_GE(std::max(shape.Width(), shape.Height()), lows[size]);
        EXPECT_LE(std::max(shape.Width(), shape.Height()), highs[size]);
        active += shape.activeSize;
        EXPECT_EQ(shape.activeSize, size == 1);
    }
    EXPECT_EQ(active * 3, count);
    EXPECT_TRUE(table.Current().activeSize);
}

} // namespace
