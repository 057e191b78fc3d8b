// Writes the fuzz targets' seed corpora: valid files of every kind and version each reader
// takes, made by the program's own writers where it has them, and the hostile files the
// unit tests refuse. Run: make_fuzz_seeds fuzz/corpus (the output is committed).
#include <climits>
#include <cstdio>
#include <functional>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include "color/ColorHistory.h"
#include "imaging/JpegFile.h"
#include "model/BackgroundHost.h"
#include "model/ByteWriter.h"
#include "model/CDaubrixDoc.h"
#include "shapes/BitmapFile.h"
#include "shapes/BmpBuilder.h"
#include "shapes/CShape.h"
#include "shapes/ShapeState.h"
#include "shapes/ShapeTable.h"

namespace
{
QString g_root;
int g_failures = 0;

void Put(const char* target, const QString& name, const QByteArray& bytes)
{
    const QString folder = g_root + u'/' + QLatin1String(target);
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ++g_failures;
}

// A seed said to be valid that its reader refuses is a mistake here, not a seed.
void Valid(bool accepted, const QString& name)
{
    if (!accepted) {
        std::fprintf(stderr, "not accepted: %s\n", qPrintable(name));
        ++g_failures;
    }
}

struct KeepingHost : BackgroundHost
{
    QByteArray EncodeBackgroundJpeg() override { return jpeg; }
    bool DecodeBackgroundJpeg(const QByteArray& bytes, UserMessage&) override
    {
        jpeg = bytes;
        return true;
    }
    QByteArray jpeg;
};

QByteArray SmallJpeg(int quality)
{
    QImage picture(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 16, y * 32, 128));
    QByteArray bytes;
    EncodeJpeg(picture, quality, bytes);
    return bytes;
}

// Drawings made as the program makes them: records through the glob store, bytes from Save.
QByteArray Drawing(ShapeTable& shapes, int globs, int sections, bool background, int width = 300)
{
    KeepingHost host;
    CDaubrixDoc doc(shapes);
    doc.SetBackgroundHost(&host);
    doc.NewDrawing(width, 200);
    GlobStore& records = doc.Records();
    Sections& ends = records.CurrentSections();
    for (int i = 0; i < globs; ++i) {
        if (i % 7 == 3)
            records.SetColorChange(i, HsvColor{std::int16_t(i % 361), 200, 180});
        records.AddGlob(10 + i % 280, 10 + i / 280 % 180);
        if (ends.count < sections && (i + 1) % (globs / sections) == 0)
            ends.boundaries[std::size_t(ends.count++)] = i + 1;
    }
    if (background) {
        host.jpeg = SmallJpeg(90);
        doc.SetBackgroundImage(true);
    }
    return doc.Save().bytes;
}

// The records' first stored form: globs without a shape, colour changes without values.
QByteArray SchemaOneDrawing(const QByteArray& header)
{
    ByteWriter out;
    out.WriteBytes(header.constData(), header.size());
    out.WriteU16(3);
    out.WriteU16(0xFFFF);
    out.WriteU16(1);
    out.WriteU16(5);
    out.WriteBytes("CGlob", 5);
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            out.WriteU16(0x8001);
        out.WriteI16(std::int16_t(20 + 10 * i));
        out.WriteI16(30);
    }
    out.WriteU16(1);
    out.WriteU16(0xFFFF);
    out.WriteU16(1);
    out.WriteU16(12);
    out.WriteBytes("CColorChange", 12);
    out.WriteI32(0);
    return out.Take();
}

void DrawingSeeds(ShapeTable& shapes)
{
    const QByteArray empty = Drawing(shapes, 0, 0, false);
    const QByteArray some = Drawing(shapes, 40, 3, false);
    const QByteArray withPicture = Drawing(shapes, 12, 1, true);
    // Past 32767 objects the archive refers to its classes in the long form.
    const QByteArray many = Drawing(shapes, 33'000, 10, false, 2048);
    const QByteArray oldForm = SchemaOneDrawing(empty.left(32));
    const struct { const char* name; QByteArray bytes; } valid[] = {
        {"empty.dbr", empty}, {"strokes.dbr", some}, {"background.dbr", withPicture},
        {"long-references.dbr", many}, {"schema1.dbr", oldForm},
    };
    for (const auto& seed : valid) {
        CDaubrixDoc doc(shapes);
        KeepingHost host;
        doc.SetBackgroundHost(&host);
        Valid(doc.Load(seed.bytes) == LoadError::None, QLatin1String(seed.name));
        Put("FuzzDrawingFile", QLatin1String(seed.name), seed.bytes);
    }
    QByteArray manySections = some;
    manySections[16] = 11;
    QByteArray tooWide = empty;
    tooWide[9] = 0x10;
    QByteArray hugeCount = some.left(40);
    hugeCount.append("\xFF\xFF\xFF\xFF\xFF\x7F", 6);
    Put("FuzzDrawingFile", "bad-signature.dbr", QByteArray("\x07Paintin", 8) + empty.mid(8));
    Put("FuzzDrawingFile", "bad-short.dbr", some.left(20));
    Put("FuzzDrawingFile", "bad-sections.dbr", manySections);
    Put("FuzzDrawingFile", "bad-wide.dbr", tooWide);
    Put("FuzzDrawingFile", "bad-count.dbr", hugeCount);
    Put("FuzzDrawingFile", "bad-picture-length.dbr", withPicture.left(withPicture.size() - 100));

    // The record lists alone, as the archive target reads them.
    for (const auto& seed : valid) {
        const int sectionCount = seed.bytes.at(16);
        if (seed.bytes.size() < 100'000)
            Put("FuzzObjectArchive", QLatin1String(seed.name), seed.bytes.mid(32 + 4 * sectionCount));
    }
    Put("FuzzObjectArchive", "bad-count", hugeCount.mid(32 + 4 * 3));
}

void HistorySeeds()
{
    ColorHistory one;
    one.Add(HsvColor{0, 255, 255});
    ColorHistory full;
    for (int i = 0; i < 25; ++i)
        full.Add(HsvColor{std::int16_t(i * 15), std::uint8_t(i * 10), 200});
    for (const auto& [name, history] : {std::pair{"one.dch", one}, std::pair{"full.dch", full}}) {
        Valid(ColorHistory::Parse(history.Serialize()).has_value(), QLatin1String(name));
        Put("FuzzColorHistoryFile", QLatin1String(name), history.Serialize());
    }
    QByteArray badHue = one.Serialize();
    badHue[badHue.size() - 4] = char(0x70);
    badHue[badHue.size() - 3] = char(0x01);
    QByteArray badCount = full.Serialize();
    badCount[ColorHistory::kSignatureLength] = 21;
    Put("FuzzColorHistoryFile", "bad-hue.dch", badHue);
    Put("FuzzColorHistoryFile", "bad-count.dch", badCount);
    Put("FuzzColorHistoryFile", "bad-short.dch", full.Serialize().chopped(3));
    Put("FuzzColorHistoryFile", "bad-signature.dch", QByteArray("Paintin Color History\x01", 22));
}

// The target takes its first byte as the number of shapes loaded.
void StateSeeds()
{
    ShapeState state;
    for (int i = 0; i < 12; ++i)
        state.records.push_back({i % 3 == 0, HsvColor{std::int16_t(i * 30), 200, std::uint8_t(100 + i)}});
    state.currentIndex = 5;
    const QByteArray bytes = state.Serialize();
    Valid(ShapeState::Parse(bytes, 12).has_value(), QStringLiteral("twelve.dss"));
    for (int loaded : {12, 4, 36, 0})
        Put("FuzzShapeStateFile", QStringLiteral("loaded%1.dss").arg(loaded), char(loaded) + bytes);
    QByteArray badHue = bytes;
    badHue[ShapeState::kSignatureLength + 4 + 2] = char(0x7F);
    Put("FuzzShapeStateFile", "bad-hue.dss", char(12) + badHue);
    Put("FuzzShapeStateFile", "bad-short.dss", char(12) + bytes.chopped(5));
}

std::uint32_t Pack565(QRgb c) { return std::uint32_t(qRed(c) >> 3 << 11 | qGreen(c) >> 2 << 5 | qBlue(c) >> 3); }

void BitmapSeeds()
{
    const QRgb colors[] = {qRgb(0x12, 0x34, 0x56), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    const auto index = [](int x, int y) { return std::uint32_t((x + 2 * y) % 4); };
    std::vector<std::pair<QString, BmpBuilder>> valid;
    for (int bits : {1, 4, 8}) {
        BmpBuilder b;
        b.width = 5;
        b.height = 3;
        b.bitCount = std::uint16_t(bits);
        b.table.assign(colors, colors + (bits == 1 ? 2 : 4));
        b.colorsUsed = bits == 1 ? 0 : 4;
        b.pixel = [index, bits](int x, int y) { return index(x, y) % (bits == 1 ? 2 : 4); };
        valid.emplace_back(QStringLiteral("indexed%1.bmp").arg(bits), b);
    }
    for (int bits : {16, 24, 32}) {
        BmpBuilder b;
        b.width = 5;
        b.height = bits == 24 ? -3 : 3; // top-down rows too
        b.bitCount = std::uint16_t(bits);
        b.pixel = [&colors, index, bits](int x, int y) {
            const QRgb c = colors[index(x, y)];
            return bits == 16 ? Pack565(c) & 0x7FFF : PackBgr(c);
        };
        valid.emplace_back(QStringLiteral("direct%1.bmp").arg(bits), b);
    }
    BmpBuilder fields;
    fields.width = 4;
    fields.height = 2;
    fields.bitCount = 16;
    fields.compression = 3;
    fields.masks = {0xF800, 0x07E0, 0x001F};
    fields.pixel = [&colors, index](int x, int y) { return Pack565(colors[index(x, y)]); };
    valid.emplace_back(QStringLiteral("bitfields16.bmp"), fields);
    fields.bitCount = 32;
    fields.masks = {0xFF0000, 0xFF00, 0xFF};
    fields.headerSize = 108; // a later info header, masks inside it
    fields.pixel = [&colors, index](int x, int y) { return PackBgr(colors[index(x, y)]); };
    valid.emplace_back(QStringLiteral("bitfields32-v4.bmp"), fields);
    for (const auto& [name, builder] : valid) {
        QImage image;
        Valid(LoadBitmapBytes(builder.Build(), image), name);
        Put("FuzzBitmapFile", name, builder.Build());
        Put("FuzzPictureFile", name, builder.Build());
    }

    const std::pair<const char*, std::function<void(BmpBuilder&)>> hostile[] = {
        {"size-overflow", [](BmpBuilder& b) { b.width = 0x40000000; b.height = 0x40000000; b.bitCount = 32; }},
        {"height-int-min", [](BmpBuilder& b) { b.height = INT_MIN; }},
        {"width-negative", [](BmpBuilder& b) { b.width = -4; }},
        {"absurd-width", [](BmpBuilder& b) { b.width = 2000000000; }},
        {"colors-used-beyond-table", [](BmpBuilder& b) { b.bitCount = 8; b.colorsUsed = 300; b.table.assign(300, 0); }},
        {"table-missing", [](BmpBuilder& b) { b.bitCount = 8; b.table.clear(); }},
        {"zero-mask", [](BmpBuilder& b) { b.bitCount = 32; b.compression = 3; b.masks = {0xFF0000, 0, 0xFF}; }},
        {"scattered-mask", [](BmpBuilder& b) { b.bitCount = 32; b.compression = 3; b.masks = {0xF0F000, 0xFF00, 0xFF}; }},
        {"run-length", [](BmpBuilder& b) { b.bitCount = 8; b.compression = 1; b.table.assign(256, 0); }},
        {"bits-short", [](BmpBuilder& b) { b.cutBits = 7; }},
        {"header-longer-than-file", [](BmpBuilder& b) { b.headerSize = 200; b.cutBits = 150; }},
        {"bits-offset-beyond", [](BmpBuilder& b) { b.bitsOffset = 0x7FFFFFF0; }},
    };
    for (const auto& [name, spoil] : hostile) {
        BmpBuilder b;
        b.width = 4;
        b.height = 3;
        spoil(b);
        const QString file = QStringLiteral("bad-%1.bmp").arg(QLatin1String(name));
        Put("FuzzBitmapFile", file, b.Build());
        Put("FuzzPictureFile", file, b.Build());
    }
}

void JpegSeeds()
{
    const QByteArray colour = SmallJpeg(75);
    QImage probe;
    Valid(DecodeJpeg(colour, probe).ok, QStringLiteral("colour.jpg"));
    Put("FuzzJpegReader", "colour.jpg", colour);
    Put("FuzzPictureFile", "colour.jpg", colour);
    // Greyscale and progressive files come from other programs; Qt's writer makes them.
    QImage grey(9, 5, QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            grey.setPixel(x, y, qRgb(x * 28, x * 28, x * 28));
    const std::pair<const char*, bool> kinds[] = {{"grey.jpg", false}, {"progressive.jpg", true}};
    for (const auto& [name, progressive] : kinds) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(progressive);
        if (!writer.write(progressive ? grey.convertToFormat(QImage::Format_RGB32) : grey))
            continue; // no JPEG plugin: the colour seed covers the reader
        Valid(DecodeJpeg(bytes, probe).ok, QLatin1String(name));
        Put("FuzzJpegReader", QLatin1String(name), bytes);
        Put("FuzzPictureFile", QLatin1String(name), bytes);
    }
    Put("FuzzJpegReader", "bad-truncated.jpg", colour.left(colour.size() / 2));
    Put("FuzzJpegReader", "bad-header-only.jpg", colour.left(20));
    Put("FuzzPictureFile", "bad-truncated.jpg", colour.left(colour.size() / 2));
}

void TipSeeds()
{
    Put("FuzzTipFile", "tips.txt", "; a comment\nDraw with the left button.\n\n; another\n"
                                   "Press Ctrl+Z to take back a stroke.\nThe third tip.\n");
    Put("FuzzTipFile", "crlf.txt", "First tip\r\nSecond tip\r\n");
    Put("FuzzTipFile", "no-tips.txt", "; only comments\n;\n\n");
    Put("FuzzTipFile", "long-line.txt", QByteArray(5000, 'x') + "\nshort\n");
    Put("FuzzTipFile", "empty.txt", QByteArray());
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds CORPUS_FOLDER\n");
        return 2;
    }
    g_root = QFile::decodeName(argv[1]);
    // Three small shapes, so that records name more than one.
    ShapeTable shapes;
    std::vector<std::unique_ptr<CShape>> list;
    for (const char* name : {"a_1.bmp", "b_1.bmp", "c_1.bmp"}) {
        QImage bitmap(5, 3, QImage::Format_RGB32);
        bitmap.fill(Qt::white);
        bitmap.setPixel(2, 1, qRgb(10, 20, 30));
        list.push_back(std::make_unique<CShape>(QString::fromLatin1(name), bitmap));
    }
    shapes.Adopt(std::move(list));
    shapes.SetCurrentIndex(0);
    DrawingSeeds(shapes);
    HistorySeeds();
    StateSeeds();
    BitmapSeeds();
    JpegSeeds();
    TipSeeds();
    return g_failures == 0 ? 0 : 1;
}
