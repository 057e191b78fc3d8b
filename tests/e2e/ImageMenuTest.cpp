#include <QImage>

#include "RealProgram.h"
#include "imaging/JpegFile.h"

namespace
{
// A picture of soft colour bands, written as a JPEG.
QString BandsPicture(const QString& path, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(40 + 200 * x / size.width(), 90, 40 + 200 * y / size.height()));
    EXPECT_TRUE(WriteJpegFile(path, 90, picture).ok);
    return path;
}
} // namespace

// The Image menu in the real program: Import and Save.
class RealProgramImportTest : public RealProgramTest
{
protected:
    // Image > Import, the picture's path typed into the file dialog, then keys for the
    // Import Image dialog (Return takes its settings as they are).
    void ChooseImport(const QString& picture, const QStringList& keysForTheSettings)
    {
        Menu('i', 'i');
        const QString files = WaitForWindow(QStringLiteral("^(Open|Daubrix)$"));
        ASSERT_FALSE(files.isEmpty()) << "no file dialog: " << qPrintable(ShownWindowTitles().join(u", "));
        Focus(files);
        Type(picture);
        Key({QStringLiteral("Return")});
        const QString settings = WaitForWindow(QStringLiteral("^Import Image$"));
        ASSERT_FALSE(settings.isEmpty()) << qPrintable(ShownWindowTitles().join(u", "));
        Focus(settings);
        Key(keysForTheSettings);
    }
};

TEST_F(RealProgramImportTest, ImportedGlobsShowAndUndoTakesThemBack)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QImage before = DrawingShown();
    ASSERT_NO_FATAL_FAILURE(
        ChooseImport(BandsPicture(ScratchPath(QStringLiteral("bands.jpg")), {160, 120}),
                     {QStringLiteral("Return")}));
    ASSERT_TRUE(WaitForDrawingNot(before)) << "the imported globs did not show";
    // The import lays its globs out a hundred at a time and takes no keys until it ends.
    ASSERT_TRUE(WaitForDrawingSteady()) << "the import did not end";
    Focus(MainWindow());
    Key({QStringLiteral("ctrl+z")});
    EXPECT_TRUE(WaitForDrawingShown(before))
        << DifferentPixels(DrawingShown(), before) << " pixels still differ after Ctrl+Z";
}

// Esc pressed as the import starts (while the large picture is still being read) is seen at
// the import's first check: the question comes up, and OK stops the import. Whatever it had
// added stays hidden, said so in a second box, so the drawing shows as it was.
TEST_F(RealProgramImportTest, EscThenOkCancelsTheImport)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    const QImage before = DrawingShown();
    const QString big = BandsPicture(ScratchPath(QStringLiteral("big.jpg")), {4000, 3000});
    ASSERT_NO_FATAL_FAILURE(ChooseImport(big, {QStringLiteral("Return"), QStringLiteral("Escape")}));
    const QString question = WaitForWindow(QStringLiteral("^Daubrix$"));
    ASSERT_FALSE(question.isEmpty()) << "no question after Esc: "
                                     << qPrintable(ShownWindowTitles().join(u", "));
    Focus(question);
    Key({QStringLiteral("Return")});
    // Stopped while placing or drawing, the globs stay as the redo tail and a box says so.
    QString hidden;
    WaitFor(Ms(1000), [&] {
        hidden = FindWindow(QStringLiteral("^Daubrix$"));
        return !hidden.isEmpty() && hidden != question;
    });
    if (!hidden.isEmpty() && hidden != question) {
        Focus(hidden);
        Key({QStringLiteral("Return")});
    }
    ASSERT_TRUE(WaitForWindowGone(QStringLiteral("^Daubrix$")));
    EXPECT_TRUE(WaitForDrawingShown(before)) << "the cancelled import left globs on the drawing";
}

// Image > Save: the file named in the save dialog holds the picture the window shows.
TEST_F(RealProgramImportTest, SaveImageWritesWhatTheWindowShows)
{
    ASSERT_NO_FATAL_FAILURE(StartOnExampleDrawing());
    Menu('i', 's');
    const QString files = WaitForWindow(QStringLiteral("^(Save As|Save|Daubrix)$"));
    ASSERT_FALSE(files.isEmpty()) << "no save dialog: " << qPrintable(ShownWindowTitles().join(u", "));
    Focus(files);
    const QString saved = ScratchPath(QStringLiteral("shown.png"));
    Type(saved);
    Key({QStringLiteral("Return")});
    QImage written;
    WaitFor(Ms(5000), [&] { return !(written = QImage(saved)).isNull(); }, 100);
    ASSERT_FALSE(written.isNull()) << "no picture was saved";
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), Export(drawingFile).convertToFormat(QImage::Format_RGB32));
}
