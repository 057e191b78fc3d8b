#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FileSizeLimit.h"

#include "app/AutoSavePolicy.h"
#include "app/AutoSaver.h"
#include "app/DaubrixDrawingDocument.h"
#include "app/DocumentManager.h"
#include "app/RecoveryStore.h"
#include "app/RecoveryWriter.h"
#include "model/CDaubrixDoc.h"
#include "model/ModelFixture.h"

namespace
{
QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList FilesUnder(const QString& folder)
{
    QStringList files;
    const QDir root(folder);
    for (const QString& session : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString& name : QDir(root.filePath(session)).entryList(QDir::Files))
            files << session + u'/' + name;
    }
    return files;
}

const RecoveryNote kNote{QStringLiteral("/home/me/flower.dbr"), QStringLiteral("flower.dbr"),
                         QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, Qt::UTC)};
} // namespace

TEST(AutoSavePolicyTest, ACopyIsDueAnIntervalAfterTheFirstChangeNoCopyHolds)
{
    AutoSavePolicy policy(1000);
    EXPECT_FALSE(policy.Due(5000)) << "nothing changed yet";
    policy.Changed(100);
    policy.Changed(900); // later changes do not push the copy back
    EXPECT_FALSE(policy.Due(1099));
    EXPECT_TRUE(policy.Due(1100));
    policy.Covered();
    EXPECT_FALSE(policy.Due(10'000)) << "a drawing left alone needs no more copies";
    policy.Changed(10'000);
    EXPECT_TRUE(policy.Due(11'000));

    AutoSavePolicy off(0);
    off.Changed(0);
    EXPECT_FALSE(off.Enabled());
    EXPECT_FALSE(off.Due(1'000'000'000));
}

class RecoveryStoreTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString Folder() const { return dir.filePath(QStringLiteral("recovery")); }
};

TEST_F(RecoveryStoreTest, CopiesOfARunThatDidNotEndCleanlyAreOfferedOnceItIsGone)
{
    auto crashed = std::make_unique<RecoveryStore>(Folder());
    ASSERT_TRUE(crashed->Begin());
    ASSERT_TRUE(crashed->Write(1, "first drawing", kNote));
    ASSERT_TRUE(crashed->Write(2, "second", {QString(), QStringLiteral("Daubrix2"), kNote.written.addSecs(5)}));
    ASSERT_TRUE(crashed->Write(3, "saved since", kNote));
    crashed->Remove(3);

    RecoveryStore beside(Folder()); // a second program while the first still runs
    ASSERT_TRUE(beside.Begin());
    EXPECT_TRUE(beside.LeftOver().empty()) << "copies of a running program are not offered";

    crashed.reset(); // its lock goes as with a killed process; its copies stay
    RecoveryStore next(Folder());
    ASSERT_TRUE(next.Begin());
    std::vector<RecoveryCopy> copies = next.LeftOver();
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(Bytes(copies[0].copyPath), QByteArray("first drawing"));
    EXPECT_EQ(copies[0].note.originalPath, kNote.originalPath);
    EXPECT_EQ(copies[0].note.title, QString("flower.dbr"));
    EXPECT_EQ(copies[0].note.written, kNote.written);
    EXPECT_EQ(Bytes(copies[1].copyPath), QByteArray("second"));
    EXPECT_TRUE(copies[1].note.originalPath.isEmpty());
    EXPECT_EQ(copies[1].note.title, QString("Daubrix2"));
    EXPECT_TRUE(beside.LeftOver().empty()) << "the next start has them in hand";

    next.KeepLeftOverForLater();
    RecoveryStore later(Folder());
    ASSERT_TRUE(later.Begin());
    EXPECT_EQ(later.LeftOver().size(), 2u) << "Later keeps them for another start";
    later.DiscardLeftOver();
    EXPECT_FALSE(QFile::exists(copies[0].copyPath));
    EXPECT_TRUE(RecoveryStore(Folder()).LeftOver().empty());
}

TEST_F(RecoveryStoreTest, ACleanExitLeavesNothingBehind)
{
    {
        RecoveryStore store(Folder());
        ASSERT_TRUE(store.Begin());
        ASSERT_TRUE(store.Write(1, "drawing", kNote));
        store.EndCleanly();
    }
    EXPECT_FALSE(QFileInfo::exists(Folder())) << FilesUnder(Folder()).join(u' ').toStdString();
}

TEST_F(RecoveryStoreTest, AFailingDiskKeepsThePreviousCopy)
{
    RecoveryStore store(Folder());
    ASSERT_TRUE(store.Begin());
    ASSERT_TRUE(store.Write(1, "the copy before", kNote));
    const QString session = QFileInfo(FilesUnder(Folder()).first()).path();
    const QString sessionFolder = Folder() + u'/' + session;
    const QByteArray longer(4096, 'x');

    {
        FileSizeLimit full(16);
        EXPECT_FALSE(store.Write(1, longer, kNote));
    }
    // A read-only folder refuses the temporary file (unless the test runs with rights that
    // ignore the mode).
    QFile::setPermissions(sessionFolder, QFile::ReadOwner | QFile::ExeOwner);
    const bool refused = !QFile(sessionFolder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    if (refused) {
        EXPECT_FALSE(store.Write(1, longer, kNote));
    }
    QFile::setPermissions(sessionFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::remove(sessionFolder + QStringLiteral("/probe"));

    const QStringList files = FilesUnder(Folder());
    EXPECT_EQ(Bytes(Folder() + u'/' + session + QStringLiteral("/1.dbr")), QByteArray("the copy before"));
    EXPECT_TRUE(files.contains(session + QStringLiteral("/1.json")));
    EXPECT_EQ(files.size(), 3) << files.join(u' ').toStdString(); // copy, side file, lock
}

class AutoSaverTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ModelFixture model;
    DocumentManager documents{
        [this] { return std::make_unique<DaubrixDrawingDocument>(model.shapes, false, MessageSink()); }};
    RecoveryStore store{dir.filePath(QStringLiteral("recovery"))};
    std::unique_ptr<RecoveryWriter> writer;
    std::unique_ptr<AutoSaver> saver;

    void SetUp() override
    {
        ASSERT_TRUE(store.Begin());
        writer = std::make_unique<RecoveryWriter>(store);
        saver = std::make_unique<AutoSaver>(*writer, 1000);
        documents.SetWatcher([this](DocumentManager::Drawing& d, DocumentManager::Event e) {
            saver->Note(d, e, now);
        });
    }

    void Draw(DocumentManager::Drawing& drawing, int globs)
    {
        for (int i = 0; i < globs; ++i)
            ASSERT_TRUE(drawing.document->Doc().Records().AddGlob(10 + i, 20 + i));
        documents.SetModified(drawing, true);
    }

    QStringList Copies()
    {
        writer->Flush();
        return FilesUnder(store.Folder()).filter(QStringLiteral(".dbr"));
    }

    qint64 now = 0;
};

TEST_F(AutoSaverTest, ChangedDrawingsGetACopyOfTheirBytesThatSaveAndCloseTakeAway)
{
    DocumentManager::Drawing& saved = documents.New(QSize(300, 200));
    DocumentManager::Drawing& closed = documents.New(QSize(200, 100));
    DocumentManager::Drawing& untouched = documents.New(QSize(100, 100));
    (void)untouched;
    now = 0;
    Draw(saved, 3);
    Draw(closed, 2);
    saver->Tick(999);
    EXPECT_TRUE(Copies().empty()) << "not due yet";
    saver->Tick(1000);
    ASSERT_EQ(Copies().size(), 2) << "one copy for each changed drawing";
    const QString savedCopy = store.Folder() + u'/' + Copies().filter(QStringLiteral("/1.dbr")).first();
    EXPECT_EQ(Bytes(savedCopy), saved.document->Write().bytes);

    now = 1500;
    Draw(saved, 1);
    saver->Tick(2499);
    saver->Tick(2500);
    writer->Flush();
    EXPECT_EQ(Bytes(savedCopy), saved.document->Write().bytes) << "the newer copy replaces the old";

    ASSERT_TRUE(documents.Save(saved, dir.filePath(QStringLiteral("saved.dbr"))).ok());
    documents.Close(closed);
    EXPECT_TRUE(Copies().empty());
    saver->Tick(100'000);
    EXPECT_TRUE(Copies().empty()) << "saved and unchanged since";
}

TEST_F(AutoSaverTest, BeforeLongWorkEveryChangedDrawingIsCopiedAtOnce)
{
    DocumentManager::Drawing& drawing = documents.New(QSize(300, 200));
    Draw(drawing, 5);
    saver->WriteAllNow();
    ASSERT_EQ(Copies().size(), 1);
    const QStringList files = FilesUnder(store.Folder());
    const QString copy = store.Folder() + u'/' + files.filter(QStringLiteral(".dbr")).first();
    const DocumentManager::OpenResult reopened =
        documents.OpenCopy(copy, QString(), QStringLiteral("Daubrix7"));
    ASSERT_TRUE(reopened.ok());
    EXPECT_EQ(reopened.drawing->document->GlobCount(), 5);
    EXPECT_TRUE(reopened.drawing->modified);
    EXPECT_EQ(reopened.drawing->title, QString("Daubrix7"));
    EXPECT_TRUE(documents.Recent().Files().isEmpty());
    EXPECT_EQ(documents.New(QSize(100, 100)).title, QString("Daubrix8")) << "no second Daubrix7";
}
