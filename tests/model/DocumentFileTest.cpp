#include "ModelFixture.h"

#include "model/BackgroundHost.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray Int32(std::int32_t v)
{
    return Bytes({v & 0xFF, v >> 8 & 0xFF, v >> 16 & 0xFF, v >> 24 & 0xFF});
}

struct FakeHost : BackgroundHost
{
    QByteArray EncodeBackgroundJpeg() override { return picture; }
    bool DecodeBackgroundJpeg(const QByteArray& jpeg, UserMessage&) override
    {
        decoded = jpeg;
        ++decodes;
        return accept;
    }
    QByteArray picture = "\xFF\xD8jpeg\xFF\xD9";
    QByteArray decoded;
    int decodes = 0;
    bool accept = true;
};

class DocumentFileTest : public ::testing::Test, public ModelFixture
{
protected:
    DocumentFileTest() { doc.Records().SetMessageSink(Sink()); }

    // 200 x 100, three globs (shape 0, 0, 2), colour changes at 0 and 2, one section.
    void MakeThreeGlobDrawing(CDaubrixDoc& d)
    {
        ASSERT_TRUE(d.NewDrawing(200, 100));
        shapes.SetCurrentIndex(0);
        ASSERT_TRUE(d.Records().AddGlob(100, 7));
        ASSERT_TRUE(d.Records().AddGlob(-19, 119));
        shapes.SetCurrentIndex(2);
        ASSERT_TRUE(d.Records().AddGlob(3, 4));
        ASSERT_TRUE(d.Records().SetColorChange(2, 360, 128, 255));
        d.Records().CurrentSections().count = 1;
        d.Records().CurrentSections().boundaries[0] = 3;
        d.SetBackgroundColor(MakeRgb(1, 2, 3));
        d.SetPrintSize(150);
    }

    static QByteArray Save(CDaubrixDoc& d)
    {
        const SavedDrawing saved = d.Save();
        EXPECT_TRUE(saved.ok());
        return saved.bytes;
    }
    static LoadError Open(CDaubrixDoc& d, const QByteArray& bytes) { return d.Load(bytes); }

    CDaubrixDoc doc{shapes};
};

QByteArray ThreeGlobHeader()
{
    return Bytes({7}) + "Daubrix" + Int32(200) + Int32(100) + Int32(1) + Int32(0) + Int32(3)
           + Bytes({1, 2, 3, 0}) + Int32(150);
}

QByteArray ThreeGlobRecords()
{
    return Bytes({3, 0, 0xFF, 0xFF, 2, 0, 5, 0}) + "CGlob" + Bytes({100, 0, 7, 0, 0})
           + Bytes({0x01, 0x80, 0xED, 0xFF, 119, 0, 0}) + Bytes({0x01, 0x80, 3, 0, 4, 0, 2})
           + Bytes({2, 0, 0xFF, 0xFF, 2, 0, 12, 0}) + "CColorChange" + Bytes({0, 0, 0, 0, 0, 0, 200, 50})
           + Bytes({0x05, 0x80, 2, 0, 0, 0, 0x68, 0x01, 128, 255});
}

TEST_F(DocumentFileTest, NewDrawingDefaults)
{
    ASSERT_TRUE(doc.NewDrawing(640, 480));
    EXPECT_EQ(doc.Records().DrawingWidth(), 640);
    EXPECT_EQ(doc.Records().DrawingHeight(), 480);
    EXPECT_EQ(doc.BackgroundColor(), 0u);
    EXPECT_EQ(doc.PrintSize(), 100);
    EXPECT_EQ(doc.Records().GlobCount(), 0);
    EXPECT_TRUE(doc.IsUndoImageValid());
    EXPECT_EQ(doc.UndoState(), 0);
    EXPECT_FALSE(doc.NewDrawing(99, 480));
    EXPECT_FALSE(doc.NewDrawing(640, 2049));
    EXPECT_EQ(doc.Records().DrawingWidth(), 640);
}

TEST_F(DocumentFileTest, WritesTheExactLayout)
{
    MakeThreeGlobDrawing(doc);
    EXPECT_EQ(Save(doc).toHex(' '), (ThreeGlobHeader() + ThreeGlobRecords() + Int32(0)).toHex(' '));

    CDaubrixDoc empty(shapes);
    EXPECT_EQ(Save(empty), Bytes({7}) + "Daubrix" + Int32(100) + Int32(100) + Int32(0) + Int32(0) + Int32(0)
                               + Int32(100) + Bytes({0, 0, 0, 0}) + Int32(0));
}

TEST_F(DocumentFileTest, RoundTripWithBackground)
{
    FakeHost host;
    MakeThreeGlobDrawing(doc);
    doc.SetBackgroundHost(&host);
    doc.SetBackgroundImage(true);
    doc.SetUndoState(2);
    const QByteArray bytes = Save(doc);
    EXPECT_EQ(bytes.right(4 + 4 + host.picture.size()), Int32(1) + Int32(host.picture.size()) + host.picture);

    FakeHost readerHost;
    CDaubrixDoc copy(shapes);
    copy.SetBackgroundHost(&readerHost);
    shapes.PrepareAll();
    for (int i = 0; i < shapes.Count(); ++i)
        shapes.Shape(i).RefreshColored(); // every copy shows its shape's colour
    ASSERT_EQ(Open(copy, bytes), LoadError::None);
    EXPECT_EQ(copy.Records().DrawingWidth(), 200);
    EXPECT_EQ(copy.Records().DrawingHeight(), 100);
    EXPECT_EQ(copy.Records().Globs(), doc.Records().Globs());
    EXPECT_EQ(copy.Records().ColorChanges().Items(), doc.Records().ColorChanges().Items());
    EXPECT_EQ(copy.Records().CurrentSections().count, 1);
    EXPECT_EQ(copy.Records().SectionStart(2), 0);
    EXPECT_EQ(copy.BackgroundColor(), MakeRgb(1, 2, 3));
    EXPECT_EQ(copy.PrintSize(), 150);
    EXPECT_TRUE(copy.HasBackgroundImage());
    EXPECT_EQ(readerHost.decoded, host.picture);
    EXPECT_EQ(copy.UndoState(), 0);
    EXPECT_FALSE(copy.IsUndoImageValid());
    EXPECT_TRUE(shapes.Shape(0).RecolorPending());
    EXPECT_FALSE(shapes.Shape(1).RecolorPending());
    EXPECT_TRUE(shapes.Shape(2).RecolorPending());
    EXPECT_EQ(Save(copy), bytes);
}

TEST_F(DocumentFileTest, BackgroundPartByHostAndDisplay)
{
    FakeHost host;
    MakeThreeGlobDrawing(doc);
    doc.SetBackgroundHost(&host);
    doc.SetBackgroundImage(true);
    const QByteArray withPicture = Save(doc);

    CDaubrixDoc lowColor(shapes);
    FakeHost lowHost;
    lowColor.SetBackgroundHost(&lowHost);
    lowColor.SetLowColorMode(true);
    ASSERT_EQ(Open(lowColor, withPicture), LoadError::None);
    EXPECT_FALSE(lowColor.HasBackgroundImage());
    EXPECT_EQ(lowHost.decodes, 0);
    EXPECT_NE(Open(lowColor, withPicture.chopped(1)), LoadError::None); // still checked while skipped

    CDaubrixDoc windowless(shapes);
    ASSERT_EQ(Open(windowless, withPicture), LoadError::None);
    EXPECT_FALSE(windowless.HasBackgroundImage());
    EXPECT_EQ(windowless.Records().GlobCount(), 3);

    CDaubrixDoc refused(shapes);
    FakeHost refusing;
    refusing.accept = false;
    refused.SetBackgroundHost(&refusing);
    ASSERT_EQ(Open(refused, withPicture), LoadError::None);
    EXPECT_FALSE(refused.HasBackgroundImage());
    EXPECT_EQ(refused.Records().GlobCount(), 3);
    EXPECT_TRUE(messages.empty());
}

TEST_F(DocumentFileTest, PictureThatCannotBeMadeStillLeavesAReadableFile)
{
    FakeHost host;
    host.picture.clear();
    MakeThreeGlobDrawing(doc);
    doc.SetBackgroundHost(&host);
    doc.SetBackgroundImage(true);
    const QByteArray bytes = Save(doc);
    EXPECT_EQ(bytes.right(4), Int32(0));
    EXPECT_FALSE(doc.HasBackgroundImage());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Error saving background image (mem)");
    EXPECT_EQ(messages[0].icon, MessageIcon::None);
    CDaubrixDoc copy(shapes);
    copy.SetBackgroundHost(&host);
    EXPECT_EQ(Open(copy, bytes), LoadError::None);

    // Without a window the file is complete too: it ends with flag 0.
    CDaubrixDoc windowless(shapes);
    MakeThreeGlobDrawing(windowless);
    windowless.SetBackgroundImage(true);
    EXPECT_EQ(Save(windowless).right(4), Int32(0));
}

TEST_F(DocumentFileTest, OldFilesAndOddValues)
{
    // No sections: the colour follows the base directly; schema-1 records; print size 0.
    const QByteArray old = Bytes({7}) + "Daubrix" + Int32(100) + Int32(2048) + Int32(0) + Int32(0)
                           + Bytes({9, 9, 9, 0}) + Int32(0) + Bytes({1, 0, 0xFF, 0xFF, 1, 0, 5, 0}) + "CGlob"
                           + Bytes({0x10, 0, 0x20, 0}) + Bytes({1, 0, 0xFF, 0xFF, 1, 0, 12, 0}) + "CColorChange"
                           + Int32(0);
    FakeHost host;
    doc.SetBackgroundHost(&host);
    ASSERT_EQ(Open(doc, old), LoadError::None);
    EXPECT_EQ(doc.Records().DrawingHeight(), 2048);
    EXPECT_EQ(doc.BackgroundColor(), MakeRgb(9, 9, 9));
    EXPECT_EQ(doc.PrintSize(), 100);
    EXPECT_EQ(doc.Records().Globs(), std::vector<CGlob>{CGlob(16, 32, 0)});
    EXPECT_EQ(doc.Records().ColorChanges().Items(), std::vector<CColorChange>{CColorChange(0, 0, 255, 255)});
}

struct BadFile
{
    const char* name;
    QByteArray bytes;
};

TEST_F(DocumentFileTest, RefusesBadFilesAndKeepsTheDrawing)
{
    const QByteArray good = ThreeGlobHeader() + ThreeGlobRecords() + Int32(0);
    auto withHeader = [](int width, int height, int sections) {
        return Bytes({7}) + "Daubrix" + Int32(width) + Int32(height) + Int32(sections) + Int32(0);
    };
    const QByteArray tail = Bytes({0, 0, 0, 0}) + Int32(100) + Bytes({0, 0, 0, 0}) + Int32(0);
    const BadFile cases[] = {
        {"signature", Bytes({7}) + "Daubrox" + good.mid(8)},
        {"signature length", Bytes({6}) + "Daubri" + good.mid(8)},
        {"eleven sections", withHeader(200, 100, 11) + QByteArray(44, '\0') + tail},
        {"negative sections", withHeader(200, 100, -1) + tail},
        {"width 99", withHeader(99, 100, 0) + tail},
        {"width 2049", withHeader(2049, 100, 0) + tail},
        {"height 99", withHeader(200, 99, 0) + tail},
        {"height 2049", withHeader(200, 2049, 0) + tail},
        {"unknown class", QByteArray(good).replace("CColorChange", "CColorChangf")},
        {"bad schema", QByteArray(good).replace(QByteArray("\x02\x00\x05\x00", 4), QByteArray("\x03\x00\x05\x00", 4))},
        {"huge glob count", ThreeGlobHeader() + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
        {"huge picture", ThreeGlobHeader() + ThreeGlobRecords() + Int32(1) + Int32(-1) + "abc"},
    };
    FakeHost host;
    MakeThreeGlobDrawing(doc);
    doc.SetBackgroundHost(&host);
    const QByteArray before = Save(doc);
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadError error = Open(doc, c.bytes);
        EXPECT_NE(error, LoadError::None);
        EXPECT_EQ(error, LoadError::BadFormat);
        EXPECT_EQ(Save(doc), before);
    }
    EXPECT_EQ(host.decodes, 0);
}

TEST_F(DocumentFileTest, EveryTruncationFailsCleanly)
{
    FakeHost host;
    MakeThreeGlobDrawing(doc);
    doc.SetBackgroundHost(&host);
    doc.SetBackgroundImage(true);
    const QByteArray full = Save(doc);
    CDaubrixDoc target(shapes);
    target.SetBackgroundHost(&host);
    for (qsizetype length = 0; length < full.size(); ++length) {
        const LoadError error = Open(target, full.left(length));
        EXPECT_NE(error, LoadError::None) << length;
        EXPECT_EQ(target.Records().GlobCount(), 0) << length;
    }
    EXPECT_EQ(Open(target, full), LoadError::None);
    EXPECT_EQ(host.decodes, 1);
}

} // namespace
