#include <QApplication>
#include <QDir>
#include <QFile>

#include "FileSizeLimit.h"
#include "ShellFixture.h"
#include "app/CommandTable.h"
#include "app/DaubrixDrawingDocument.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CommandActions.h"
#include "app/ui/DrawingWindows.h"
#include "model/CDaubrixDoc.h"
#include "model/ModelFixture.h"

namespace
{
class SaveFailureTest : public ShellFixture
{
protected:
    AppSettings settings;
    ModelFixture model;
    DocumentManager documents{
        [this] { return std::make_unique<DaubrixDrawingDocument>(model.shapes, false, MessageSink()); }};
    NewDrawingChoice lastNew;
    std::unique_ptr<CMainFrame> frame;
    QString target;

    void SetUp() override
    {
        ShellFixture::SetUp();
        FrameContext context{settings, documents, lastNew, MakeProgramFolder(), {}, {}, {}, {}};
        context.runModal = [](QDialog&) { return int(QDialog::Rejected); };
        context.chooseSavePath = [this](QWidget*, const QString&) { return target; };
        frame = std::make_unique<CMainFrame>(context);
        frame->show();
        QApplication::processEvents();
    }

    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void Draw(DocumentManager::Drawing& drawing, int globs)
    {
        GlobStore& records = drawing.document->Doc().Records();
        for (int i = 0; i < globs; ++i) {
            if (i % 50 == 0)
                records.SetColorChange(records.GlobCount(), HsvColor{std::int16_t(i % 361), 200, 100});
            ASSERT_TRUE(records.AddGlob(20 + i % 200, 20 + i / 200));
        }
        frame->Drawings().SetModified(drawing, true);
    }
};
} // namespace

// The disk fills at every point of the write: before its first byte, after one byte, at a
// page boundary, half-way and one byte short. Each time the old file stays byte for byte,
// the program says so and the drawing stays modified under its old name.
TEST_F(SaveFailureTest, AWriteFailingAtAnyPointKeepsTheOldFileAndSaysSo)
{
    target = workDir.filePath("flower.dbr");
    DocumentManager::Drawing& drawing = *frame->Drawings().AddDrawing(QSize(400, 300));
    Draw(drawing, 10);
    ASSERT_TRUE(frame->Drawings().SaveDrawing(drawing));
    const QByteArray old = Bytes(target);
    Draw(drawing, 3000);
    const QByteArray now = drawing.document->Write().bytes;
    ASSERT_GT(now.size(), 8192);

    for (const qint64 limit : {qint64(0), qint64(1), qint64(4096), now.size() / 2, now.size() - 1}) {
        for (const CommandId command : {CommandId::FileSave, CommandId::FileSaveAs}) {
            SCOPED_TRACE(testing::Message() << "limit " << limit << ", command " << int(command));
            messages.clear();
            {
                const FileSizeLimit full{rlim_t(limit)};
                frame->Commands().Action(command)->trigger();
            }
            EXPECT_EQ(Bytes(target), old);
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, QString("Failed to save document."));
            EXPECT_TRUE(drawing.modified);
            EXPECT_EQ(drawing.title, QString("flower.dbr"));
            EXPECT_EQ(QDir(workDir.path()).entryList(QDir::Files), QStringList({"flower.dbr"}))
                << "a temporary file was left behind";
        }
    }
    messages.clear();
    frame->Commands().Action(CommandId::FileSave)->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Bytes(target), now);
    EXPECT_FALSE(drawing.modified);
}
