#include "shapes/ShapeState.h"

#include "shapes/ShapeFixture.h"

#include <gtest/gtest.h>

namespace {

ShapeState Numbered(int count)
{
    ShapeState state;
    for (int i = 0; i < count; ++i)
        state.records.push_back({i % 2 == 0, HsvColor{std::int16_t(i * 30), std::uint8_t(i), 200}});
    state.currentIndex = count - 1;
    return state;
}

TEST(ShapeStateFile, TwelveShapesAreOneHundredSeventeenExactBytes)
{
    const QByteArray bytes = Numbered(12).Serialize();
    ASSERT_EQ(bytes.size(), 117);
    EXPECT_EQ(bytes.left(20), QByteArray("Daubrix Shape State\x0c"));
    EXPECT_EQ(bytes.mid(20 + 8, 8).toHex(), "000000001e0001c8"); // record 1: off, hue 30
    EXPECT_EQ(bytes.mid(20 + 8 * 11, 8).toHex(), "000000004a010bc8"); // hue 330
    EXPECT_EQ(bytes.at(116), 11);
}

TEST(ShapeStateFile, LongerFileLoadsOnlyTheLoadedCountAndItsStoredIndex)
{
    const QByteArray bytes = Numbered(12).Serialize();
    const auto five = ShapeState::Parse(bytes, 5);
    ASSERT_TRUE(five);
    EXPECT_EQ(five->records.size(), 5u);
    EXPECT_EQ(five->records[4].color.hue, 120);
    EXPECT_EQ(five->currentIndex, 0); // 11 is no loaded shape
    const auto all = ShapeState::Parse(bytes, 36);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->records.size(), 12u);
    EXPECT_EQ(all->currentIndex, 11);
}

TEST(ShapeStateFile, RefusesBadFiles)
{
    const QByteArray good = Numbered(3).Serialize();
    QByteArray caseChanged = good;
    caseChanged[0] = 'd';
    QByteArray countTooBig = good;
    countTooBig[19] = 4;
    QByteArray badHue = good;
    badHue[20 + 5] = char(0x80); // negative hue
    const QByteArray cases[] = {caseChanged, countTooBig, badHue, good.left(good.size() - 1),
                                good.left(19), QByteArray()};
    for (const QByteArray& bytes : cases)
        EXPECT_FALSE(ShapeState::Parse(bytes, 3)) << bytes.toHex().toStdString();
}

TEST(ShapeState, RoundTripThroughATable)
{
    ShapeTable table;
    FillTable(table, {"a_0", "a_1", "a_2", "b_0", "b_1"});
    table.SelectShapeSize('a', 2);
    table.Shape(2).SetColorLater(HsvColor{77, 66, 55});
    table.SetCurrentIndex(2);
    const QByteArray bytes = ShapeState::Capture(table).Serialize();

    ShapeTable other;
    FillTable(other, {"a_0", "a_1", "a_2", "b_0", "b_1"});
    for (int i = 0; i < other.Count(); ++i)
        other.Shape(i).RefreshColored();
    const auto state = ShapeState::Parse(bytes, other.Count());
    ASSERT_TRUE(state);
    state->ApplyTo(other);
    EXPECT_EQ(other.CurrentIndex(), 2);
    for (int i = 0; i < other.Count(); ++i) {
        EXPECT_EQ(other.Shape(i).activeSize, table.Shape(i).activeSize) << i;
        EXPECT_EQ(other.Shape(i).Color(), table.Shape(i).Color()) << i;
    }
    EXPECT_TRUE(other.Shape(2).RecolorPending());
    EXPECT_FALSE(other.Shape(1).RecolorPending());
}

} // namespace
