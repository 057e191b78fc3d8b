#include "model/ByteReader.h"
#include "model/ByteWriter.h"
#include "model/ObjectArchiveReader.h"
#include "model/ObjectArchiveWriter.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray NewClass(const char* name, int schema)
{
    const auto length = int(std::strlen(name));
    return Bytes({0xFF, 0xFF, schema, 0, length, 0}) + QByteArray(name);
}

QByteArray WriteGlobs(const std::vector<CGlob>& globs)
{
    ByteWriter out;
    ObjectArchiveWriter writer(out);
    EXPECT_TRUE(writer.WriteGlobs(globs));
    return out.Take();
}

// Reads a glob list and then a colour-change list from the same archive.
struct ReadBack
{
    bool ok = false;
    ArchiveError error = ArchiveError::None;
    std::vector<CGlob> globs;
    std::vector<CColorChange> changes;
    qsizetype left = 0;
};

ReadBack Read(const QByteArray& bytes, int shapeCount = 36, bool withChanges = true)
{
    ByteReader in(bytes);
    ObjectArchiveReader reader(in, shapeCount);
    ReadBack r;
    r.ok = reader.ReadGlobs(r.globs) && (!withChanges || reader.ReadColorChanges(r.changes));
    r.error = reader.Error();
    r.left = in.Remaining();
    return r;
}

TEST(ObjectArchive, RecordsSizeStaysSmall)
{
    EXPECT_LE(sizeof(CGlob), 8u);
    EXPECT_EQ(sizeof(CColorChange), 8u);
}

TEST(ObjectArchive, WritesFirstGlobWithClassAndLaterOnesByReference)
{
    const QByteArray bytes = WriteGlobs({CGlob(100, 7, 3), CGlob(1, 2, 4)});
    const QByteArray expected = Bytes({2, 0}) + NewClass("CGlob", 2) + Bytes({0x64, 0, 7, 0, 3})
                                + Bytes({0x01, 0x80, 1, 0, 2, 0, 4});
    EXPECT_EQ(bytes.toHex(' '), expected.toHex(' '));
}

TEST(ObjectArchive, ColorChangeClassTakesNumberAfterTheGlobs)
{
    ByteWriter out;
    ObjectArchiveWriter writer(out);
    ASSERT_TRUE(writer.WriteGlobs({CGlob(1, 2, 0)}));
    ASSERT_TRUE(writer.WriteColorChanges({CColorChange(0, 360, 128, 255), CColorChange(-1, -5, 0, 1)}));
    const QByteArray expected = Bytes({1, 0}) + NewClass("CGlob", 2) + Bytes({1, 0, 2, 0, 0})
                                + Bytes({2, 0}) + NewClass("CColorChange", 2)
                                + Bytes({0, 0, 0, 0, 0x68, 0x01, 128, 255})
                                // class number 3 (1 CGlob, 2 the glob)
                                + Bytes({0x03, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0xFF, 0, 1});
    EXPECT_EQ(out.Take().toHex(' '), expected.toHex(' '));
}

TEST(ObjectArchive, EmptyListsAreBareCounts)
{
    ByteWriter out;
    ObjectArchiveWriter writer(out);
    ASSERT_TRUE(writer.WriteGlobs({}));
    ASSERT_TRUE(writer.WriteColorChanges({}));
    EXPECT_EQ(out.Take(), Bytes({0, 0, 0, 0}));
}

// 0x7FFE globs put CColorChange at number 0x7FFF+1 or more: references use the long form.
TEST(ObjectArchive, LongFormsForLargeCountsAndClassNumbers)
{
    for (int count : {0x7FFD, 0x7FFE, 0xFFFE, 0xFFFF, 0x10005}) {
        SCOPED_TRACE(count);
        std::vector<CGlob> globs(size_t(count), CGlob(5, 6, 1));
        globs.back() = CGlob(-19, 2067, 2);
        const std::vector<CColorChange> changes{CColorChange(0, 1, 2, 3), CColorChange(9, 4, 5, 6)};
        ByteWriter out;
        ObjectArchiveWriter writer(out);
        ASSERT_TRUE(writer.WriteGlobs(globs));
        const qsizetype changesAt = out.Size();
        ASSERT_TRUE(writer.WriteColorChanges(changes));
        const QByteArray bytes = out.Take();

        const bool longCount = count >= 0xFFFF;
        EXPECT_EQ(uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFF, longCount);
        const std::uint32_t classNumber = std::uint32_t(count) + 2;
        ByteReader second(bytes.constData() + changesAt + 2 + 6 + 12 + 8, 6);
        std::uint16_t tag = 0;
        std::uint32_t longTag = 0;
        ASSERT_TRUE(second.ReadU16(tag));
        if (classNumber >= 0x7FFF) {
            EXPECT_EQ(tag, 0x7FFF);
            ASSERT_TRUE(second.ReadU32(longTag));
            EXPECT_EQ(longTag, 0x80000000u + classNumber);
        } else {
            EXPECT_EQ(tag, 0x8000 + classNumber);
        }

        const ReadBack r = Read(bytes);
        ASSERT_TRUE(r.ok) << int(r.error);
        EXPECT_EQ(r.globs, globs);
        EXPECT_EQ(r.changes, changes);
        EXPECT_EQ(r.left, 0);
    }
}

TEST(ObjectArchive, ReadsOlderSchemasAndClampsShapes)
{
    const QByteArray glob1 = Bytes({1, 0}) + NewClass("CGlob", 1) + Bytes({0x10, 0, 0x20, 0});
    const QByteArray change1 = Bytes({1, 0}) + NewClass("CColorChange", 1);
    const ReadBack old = Read(glob1 + change1 + Bytes({0x7A}));
    ASSERT_TRUE(old.ok);
    EXPECT_EQ(old.globs, std::vector<CGlob>{CGlob(16, 32, 0)});
    EXPECT_EQ(old.changes, std::vector<CColorChange>{CColorChange(0, 0, 255, 255)});
    EXPECT_EQ(old.left, 1); // the schema-1 colour change consumed nothing after its tag

    const QByteArray shape40 = Bytes({2, 0}) + NewClass("CGlob", 2) + Bytes({1, 0, 2, 0, 40})
                               + Bytes({0x01, 0x80, 1, 0, 2, 0, 11});
    const ReadBack clamped = Read(shape40, 12, false);
    ASSERT_TRUE(clamped.ok);
    EXPECT_EQ(clamped.globs[0].shape, 0);
    EXPECT_EQ(clamped.globs[1].shape, 11);
}

struct BadArchive
{
    const char* name;
    QByteArray bytes;
    ArchiveError error;
};

TEST(ObjectArchive, RefusesMalformedStreams)
{
    const QByteArray glob = NewClass("CGlob", 2) + Bytes({1, 0, 2, 0, 3});
    const BadArchive cases[] = {
        {"bad glob schema", Bytes({1, 0}) + NewClass("CGlob", 3) + Bytes({1, 0, 2, 0, 3}), ArchiveError::BadSchema},
        {"bad change schema", Bytes({0, 0, 1, 0}) + NewClass("CColorChange", 0) + Bytes({0, 0, 0, 0, 0, 0, 0, 0}),
         ArchiveError::BadSchema},
        {"unknown class", Bytes({1, 0}) + NewClass("CBlob", 2) + Bytes({1, 0, 2, 0, 3}), ArchiveError::UnknownClass},
        {"reference not yet seen", Bytes({1, 0, 0x01, 0x80, 1, 0, 2, 0, 3}), ArchiveError::BadReference},
        {"reference to an object", Bytes({2, 0}) + glob + Bytes({0x02, 0x80, 1, 0, 2, 0, 3}), ArchiveError::BadReference},
        {"object back-reference", Bytes({2, 0}) + glob + Bytes({0x02, 0x00, 1, 0, 2, 0, 3}), ArchiveError::BadReference},
        {"null entry", Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0}), ArchiveError::BadReference},
        {"long object reference", Bytes({2, 0}) + glob + Bytes({0xFF, 0x7F, 1, 0, 0, 0, 1, 0, 2, 0, 3}),
         ArchiveError::BadReference},
        {"class declared twice", Bytes({2, 0}) + glob + glob, ArchiveError::BadReference},
        {"change in glob list", Bytes({1, 0}) + NewClass("CColorChange", 2) + Bytes({0, 0, 0, 0, 0, 0, 0, 0}),
         ArchiveError::WrongClass},
        {"glob in change list", Bytes({0, 0, 1, 0}) + glob, ArchiveError::WrongClass},
        {"count beyond the bytes", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) + glob, ArchiveError::EndOfData},
        {"ends inside a record", Bytes({1, 0}) + glob.left(glob.size() - 1), ArchiveError::EndOfData},
        {"ends inside a name", Bytes({1, 0}) + glob.left(9), ArchiveError::EndOfData},
        {"no change list", Bytes({0, 0}), ArchiveError::EndOfData},
    };
    for (const BadArchive& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadBack r = Read(c.bytes);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, c.error);
        EXPECT_TRUE(r.globs.empty());
    }
}

} // namespace
