#include "color/ColorHistory.h"

#include <gtest/gtest.h>

namespace {

constexpr HsvColor kRed{0, 255, 255};
constexpr HsvColor kGreen{120, 200, 100};
constexpr HsvColor kBlue{240, 10, 20};

HsvColor Numbered(int i)
{
    return HsvColor{std::int16_t(i), std::uint8_t(i), 255};
}

ColorHistory Of(std::initializer_list<HsvColor> colors)
{
    ColorHistory h;
    for (const HsvColor& c : colors)
        h.Add(c);
    return h;
}

TEST(ColorHistory, OnlyTheNewestEntryIsComparedWhenAdding)
{
    ColorHistory h = Of({kRed, kRed});
    EXPECT_EQ(h.Count(), 1);
    h.Select(0);
    EXPECT_FALSE(h.Add(kRed));
    h = Of({kRed, kGreen, kRed});
    ASSERT_EQ(h.Count(), 3);
    EXPECT_EQ(h.Entry(2), kRed);
    EXPECT_EQ(h.CurrentIndex(), 2);
}

TEST(ColorHistory, RepeatingTheNewestKeepsTheSelection)
{
    ColorHistory h = Of({kRed, kGreen});
    h.StepPrevious();
    EXPECT_FALSE(h.Add(kGreen));
    EXPECT_EQ(h.CurrentIndex(), 0);
}

TEST(ColorHistory, TheTwentyFirstColourDropsTheOldest)
{
    ColorHistory h;
    for (int i = 0; i < 21; ++i)
        h.Add(Numbered(i));
    EXPECT_EQ(h.Count(), 20);
    EXPECT_EQ(h.CurrentIndex(), 19);
    EXPECT_EQ(h.Entry(0), Numbered(1));
    EXPECT_EQ(h.Entry(19), Numbered(20));
}

TEST(ColorHistory, DeleteSelectsTheNeighbour)
{
    ColorHistory last = Of({kRed, kGreen, kBlue});
    ASSERT_TRUE(last.DeleteCurrent());
    EXPECT_EQ(last.Count(), 2);
    EXPECT_EQ(last.CurrentEntry(), kGreen);

    ColorHistory first = Of({kRed, kGreen, kBlue});
    first.Select(0);
    ASSERT_TRUE(first.DeleteCurrent());
    EXPECT_EQ(first.Count(), 2);
    EXPECT_EQ(first.CurrentIndex(), 0);
    EXPECT_EQ(first.CurrentEntry(), kGreen);
    EXPECT_EQ(first.Entry(1), kBlue);
}

TEST(ColorHistory, DeleteAndClearNeedTwoEntries)
{
    ColorHistory h = Of({kRed});
    EXPECT_FALSE(h.DeleteCurrent());
    EXPECT_FALSE(h.ClearTo(kBlue));
    EXPECT_EQ(h.Count(), 1);
    EXPECT_EQ(h.Entry(0), kRed);

    h = Of({kRed, kGreen, kBlue});
    ASSERT_TRUE(h.ClearTo(kBlue));
    EXPECT_EQ(h.Count(), 1);
    EXPECT_EQ(h.CurrentIndex(), 0);
}

TEST(ColorHistory, StepsStopAtTheEnds)
{
    ColorHistory h = Of({kRed, kGreen});
    EXPECT_FALSE(h.StepNext());
    EXPECT_TRUE(h.StepPrevious());
    EXPECT_FALSE(h.StepPrevious());
    EXPECT_EQ(h.CurrentIndex(), 0);
    EXPECT_FALSE(h.Select(2));
    EXPECT_FALSE(h.Select(-1));
}

TEST(ColorHistoryFile, ThreeEntriesAreThirtySevenExactBytes)
{
    const QByteArray bytes = Of({kRed, kGreen, HsvColor{-2, 1, 2}}).Serialize();
    const QByteArray expected = QByteArray("Daubrix Color History") +
        QByteArray::fromHex("03000000" "0000ffff" "7800c864" "feff0102");
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.size(), 37);
}

TEST(ColorHistoryFile, RoundTripSelectsTheNewest)
{
    ColorHistory h = Of({kRed, kGreen, kBlue});
    h.Select(0);
    const auto loaded = ColorHistory::Parse(h.Serialize());
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->Count(), 3);
    EXPECT_EQ(loaded->CurrentIndex(), 2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(loaded->Entry(i), h.Entry(i));
}

TEST(ColorHistoryFile, RefusesBadFiles)
{
    const QByteArray good = Of({kRed, kGreen}).Serialize();
    QByteArray caseChanged = good;
    caseChanged[8] = 'c';
    QByteArray countZero = good;
    countZero[21] = 0;
    QByteArray countTwentyOne = good;
    countTwentyOne[21] = 21;
    QByteArray countNegative = good;
    countNegative[24] = char(0x80);
    QByteArray badHue = good;
    badHue[25] = char(0x69); // 361
    badHue[26] = 1;
    const QByteArray cases[] = {caseChanged, countZero, countTwentyOne, countNegative, badHue,
                                good.left(good.size() - 1), good.left(24), QByteArray()};
    for (const QByteArray& bytes : cases)
        EXPECT_FALSE(ColorHistory::Parse(bytes)) << bytes.toHex().toStdString();
}

} // namespace
