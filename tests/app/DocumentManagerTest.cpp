#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FileSizeLimit.h"

#include "app/DaubrixDrawingDocument.h"
#include "app/FileErrorMessages.h"
#include "shapes/ShapeTable.h"
#include "app/DocumentManager.h"

namespace
{
class DocumentManagerTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ShapeTable shapes;
    DocumentManager manager{
        [this] { return std::make_unique<DaubrixDrawingDocument>(shapes, false, MessageSink()); }};

    QString Path(const char* name) const { return dir.filePath(name); }
    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    static void Put(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }
};
} // namespace

TEST_F(DocumentManagerTest, NewDrawingSavesAndOpensAgainByteForByte)
{
    DocumentManager::Drawing& drawing = manager.New(QSize(640, 480));
    EXPECT_EQ(drawing.title, QString("Daubrix1"));
    manager.SetModified(drawing, true);
    ASSERT_TRUE(manager.Save(drawing, Path("a.dbr")).ok());
    EXPECT_FALSE(drawing.modified);
    EXPECT_EQ(drawing.title, QString("a.dbr"));
    const QByteArray saved = Bytes(Path("a.dbr"));
    // Signature, 640, 480, no sections, base 0, black, print size 100, empty lists, no image.
    EXPECT_EQ(saved.toHex(), QByteArray("0744617562726978" "80020000" "e0010000" "00000000"
                                        "00000000" "00000000" "64000000" "0000" "0000"
                                        "00000000"));
    manager.Close(drawing);

    const DocumentManager::OpenResult opened = manager.Open(Path("a.dbr"));
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.drawing->document->Size(), QSize(640, 480));
    ASSERT_TRUE(manager.Save(*opened.drawing, Path("b.dbr")).ok());
    EXPECT_EQ(Bytes(Path("b.dbr")), saved);
    EXPECT_EQ(manager.Recent().Files().first(), QFileInfo(Path("b.dbr")).canonicalFilePath());
}

TEST_F(DocumentManagerTest, OpeningAnOpenFileReturnsItsDrawing)
{
    DocumentManager::Drawing& drawing = manager.New(QSize(400, 400));
    manager.Save(drawing, Path("a.dbr"));
    EXPECT_EQ(manager.Open(Path("a.dbr")).drawing, &drawing);
    EXPECT_EQ(manager.Drawings().size(), 1u);
}

TEST_F(DocumentManagerTest, BadFilesAreRefusedWithTheirMessage)
{
    DocumentManager::Drawing& good = manager.New(QSize(400, 400));
    manager.Save(good, Path("good.dbr"));
    const QByteArray valid = Bytes(Path("good.dbr"));
    QByteArray manySections = valid;
    manySections[16] = 11;
    QByteArray tooWide = valid;
    tooWide[9] = 0x10; // 4224 pixels
    const struct
    {
        const char* name;
        QByteArray bytes;
    } bad[] = {
        {"empty.dbr", QByteArray()},
        {"other.dbr", QByteArray("\x07Paintin", 8) + valid.mid(8)},
        {"short.dbr", valid.left(20)},
        {"sections.dbr", manySections},
        {"wide.dbr", tooWide},
    };
    for (const auto& file : bad) {
        Put(Path(file.name), file.bytes);
        const DocumentManager::OpenResult result = manager.Open(Path(file.name));
        EXPECT_EQ(FileErrorMessage(result.error).text, QString("Unexpected file format.")) << file.name;
        EXPECT_EQ(result.drawing, nullptr);
    }
    EXPECT_EQ(FileErrorMessage(manager.Open(Path("missing.dbr")).error).text, QString("Failed to open document."));
    EXPECT_EQ(manager.Drawings().size(), 1u);
}

TEST_F(DocumentManagerTest, AFailedSaveLeavesTheOldFileIntact)
{
    DocumentManager::Drawing& drawing = manager.New(QSize(400, 400));
    const QString path = Path("keep.dbr");
    Put(path, "old contents");
    const DocumentManager::SaveResult result = [&] {
        FileSizeLimit full(16);
        return manager.Save(drawing, path);
    }();
    EXPECT_EQ(FileErrorMessage(result.error).text, QString("Failed to save document."));
    EXPECT_EQ(Bytes(path), QByteArray("old contents"));
    EXPECT_EQ(drawing.title, QString("Daubrix1"));
    EXPECT_TRUE(manager.Recent().Files().isEmpty());
}

TEST_F(DocumentManagerTest, ModifiedFlagChangesAreReported)
{
    int reports = 0;
    manager.SetListener([&](DocumentManager::Drawing&) { ++reports; });
    DocumentManager::Drawing& drawing = manager.New(QSize(400, 400));
    manager.SetModified(drawing, true);
    manager.SetModified(drawing, true);
    EXPECT_EQ(reports, 1);
}

TEST(FileErrorMessageTest, EveryFailureSaysWhichCommandFailed)
{
    EXPECT_TRUE(FileErrorMessage(LoadError::None).text.isEmpty());
    EXPECT_EQ(FileErrorMessage(LoadError::CannotOpen).text, QString("Failed to open document."));
    EXPECT_EQ(FileErrorMessage(LoadError::OutOfMemory).text, QString("Failed to open document."));
    EXPECT_EQ(FileErrorMessage(LoadError::BadFormat).text, QString("Unexpected file format."));
    EXPECT_TRUE(FileErrorMessage(SaveError::None).text.isEmpty());
    for (SaveError error : {SaveError::TooManyRecords, SaveError::OutOfMemory, SaveError::CannotWrite}) {
        EXPECT_EQ(FileErrorMessage(error).text, QString("Failed to save document."));
        EXPECT_EQ(FileErrorMessage(error).icon, MessageIcon::Warning);
    }
}
