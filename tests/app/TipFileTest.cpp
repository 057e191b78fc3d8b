#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/TipFile.h"

namespace
{
QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath("tips.txt");
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return path;
}
} // namespace

TEST(TipFile, SkipsCommentsAndBlankLinesAndWrapsToTheFirstTip)
{
    QTemporaryDir dir;
    TipFile tips;
    ASSERT_TRUE(tips.Open(WriteFile(dir, "; comment\nFirst tip\n\n second is indented\n"
                                         "\ttabbed\nSecond tip\r\n;more\nThird tip")));
    EXPECT_EQ(tips.NextTip(), QString("First tip"));
    EXPECT_EQ(tips.NextTip(), QString("Second tip"));
    EXPECT_EQ(tips.NextTip(), QString("Third tip"));
    EXPECT_EQ(tips.NextTip(), QString("First tip"));
}

TEST(TipFile, ResumesFromAStoredPosition)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "one\ntwo\nthree\n");
    TipFile first;
    first.Open(path);
    first.NextTip();
    first.NextTip();
    const qint64 stored = first.Position();
    TipFile again;
    again.Open(path);
    ASSERT_TRUE(again.Seek(stored));
    EXPECT_EQ(again.NextTip(), QString("three"));
    EXPECT_FALSE(again.Seek(1000)); // beyond the end: the caller reports trouble
}

TEST(TipFile, AFileWithoutTipsGivesAnEmptyTipInsteadOfLoopingForever)
{
    QTemporaryDir dir;
    for (const QByteArray& bytes : {QByteArray(), QByteArray("; only comments\n \n\t\n")}) {
        TipFile tips;
        ASSERT_TRUE(tips.Open(WriteFile(dir, bytes)));
        EXPECT_EQ(tips.NextTip(), QString());
    }
}

TEST(TipFile, LongLinesAreReadInPieces)
{
    QTemporaryDir dir;
    const QByteArray longTip(2500, 'x');
    TipFile tips;
    tips.Open(WriteFile(dir, longTip + "\nshort\n"));
    EXPECT_EQ(tips.NextTip()->size(), TipFile::kMaxLine - 1);
    EXPECT_EQ(tips.NextTip()->size(), TipFile::kMaxLine - 1);
    EXPECT_EQ(tips.NextTip()->size(), 2500 - 2 * (TipFile::kMaxLine - 1));
    EXPECT_EQ(tips.NextTip(), QString("short"));
}

TEST(TipFile, TimeStampHasTheFixedWidthForm)
{
    const QDateTime time(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::LocalTime);
    EXPECT_EQ(TipFile::FormatTimeStamp(time), QString("Wed Mar  4 05:06:07 2026"));
}
