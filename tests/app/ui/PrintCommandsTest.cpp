#include <deque>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <QComboBox>

#include "../../PdfPage.h"
#include "ShellFixture.h"
#include "app/CommandTable.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CDaubrixApp.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CommandActions.h"
#include "app/ui/DrawingWindows.h"
#include "imaging/PrintedPage.h"
#include "imaging/ui/CPrintSizeDlg.h"
#include "model/CDaubrixDoc.h"
#include "view/ui/CDaubrixView.h"

namespace
{
using Answer = std::function<int(QDialog&)>;

// Print, Print Preview and Size when printed on a drawing window, their dialogs answered in
// order by the test.
class PrintCommandsTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        Store().setValue("Tip/StartUp", 1); // no Tip of the Day
        CDaubrixApp::StartupHooks hooks;
        hooks.programFolder = MakeProgramFolder();
        hooks.runModal = [this](QDialog& dialog) {
            shown.push_back(dialog.metaObject()->className());
            if (answers.empty())
                return int(QDialog::Rejected);
            const Answer answer = std::move(answers.front());
            answers.pop_front();
            return answer(dialog);
        };
        app = std::make_unique<CDaubrixApp>(std::move(hooks));
        ASSERT_TRUE(app->Start());
        drawing = app->Frame()->Drawings().AddDrawing(QSize(200, 100));
        QApplication::processEvents();
        ASSERT_NE(drawing, nullptr);
    }
    void TearDown() override
    {
        app.reset();
        ShellFixture::TearDown();
    }

    CDaubrixDoc& Doc() { return drawing->document->Doc(); }

    void Run(CommandId id)
    {
        app->Frame()->Commands().UpdateAll();
        QAction* action = app->Frame()->Commands().Action(id);
        ASSERT_TRUE(action && action->isEnabled()) << static_cast<int>(id);
        action->trigger();
        QApplication::processEvents();
    }

    // The size dialog's answer: a value typed, then OK or Cancel.
    static Answer SizeDialog(int dotsPerUnit, int result, int unit = 0)
    {
        return [=](QDialog& dialog) {
            auto& size = dynamic_cast<CPrintSizeDlg&>(dialog);
            size.UnitList()->setCurrentIndex(unit);
            size.DotsPerUnitBox()->setValue(dotsPerUnit);
            return result;
        };
    }

    std::unique_ptr<CDaubrixApp> app;
    DocumentManager::Drawing* drawing = nullptr;
    std::deque<Answer> answers;
    std::vector<QByteArray> shown;
};
} // namespace

// OK writes the value into the drawing, which is then modified, and the run keeps the unit;
// Cancel changes nothing.
TEST_F(PrintCommandsTest, SizeWhenPrintedWritesTheValueOnOkOnly)
{
    answers = {SizeDialog(150, QDialog::Rejected)};
    Run(CommandId::SizeWhenPrinted);
    EXPECT_EQ(shown, std::vector<QByteArray>{"CPrintSizeDlg"});
    EXPECT_EQ(Doc().PrintSize(), 100);
    EXPECT_FALSE(drawing->modified);

    answers = {SizeDialog(150, QDialog::Accepted, 1)};
    Run(CommandId::SizeWhenPrinted);
    EXPECT_EQ(Doc().PrintSize(), 150);
    EXPECT_TRUE(drawing->modified);

    answers = {[](QDialog& dialog) {
        auto& size = dynamic_cast<CPrintSizeDlg&>(dialog);
        EXPECT_EQ(size.UnitList()->currentText(), QStringLiteral("cm")); // kept for the run
        EXPECT_EQ(size.DotsPerUnitBox()->value(), 150);
        return int(QDialog::Rejected);
    }};
    Run(CommandId::SizeWhenPrinted);
}

// With no printer installed Print writes a PDF: the print dialog first, then the size dialog,
// whose Cancel still prints, with the drawing's own value.
TEST_F(PrintCommandsTest, PrintWithoutAPrinterWritesThePdfPage)
{
    if (!HavePdfRenderer())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QString pdf = workDir.filePath(QStringLiteral("printed.pdf"));
    answers = {[&](QDialog& dialog) {
                   QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
                   EXPECT_EQ(printer->outputFormat(), QPrinter::PdfFormat);
                   EXPECT_EQ(printer->resolution(), PrintedPage::kPdfResolution);
                   EXPECT_TRUE(printer->outputFileName().endsWith(QStringLiteral("/Daubrix1.pdf")));
                   printer->setOutputFileName(pdf);
                   return int(QDialog::Accepted);
               },
               SizeDialog(50, QDialog::Rejected)};
    Run(CommandId::Print);
    EXPECT_EQ(shown, (std::vector<QByteArray>{"QPrintDialog", "CPrintSizeDlg"}));
    EXPECT_TRUE(messages.empty());
    const QImage page = RenderPdfPage(pdf, 50);
    ASSERT_FALSE(page.isNull());
    // The black 200 × 100 drawing at 100 per inch, centred on the locale's paper.
    const PrinterPage printable =
        PrintedPage::PageOf(PrintedPage::PdfPageLayout(), PrintedPage::kPdfResolution);
    const QRect printed = PrintLayout::PrintedRect(printable, {200, 100}, 100, PrintUnit::Inch, true);
    const QRect ink = InkBounds(page);
    const QRect expected = AtDpi(printed, PrintedPage::kPdfResolution, 50);
    EXPECT_NEAR(ink.left(), expected.left(), 1);
    EXPECT_NEAR(ink.top(), expected.top(), 1);
    EXPECT_NEAR(ink.width(), 100, 1);
    EXPECT_NEAR(ink.height(), 50, 1);
    EXPECT_EQ(page.pixel(ink.center()), qRgb(0, 0, 0));
}

TEST_F(PrintCommandsTest, CancelInThePrintDialogPrintsNothing)
{
    answers = {[](QDialog&) { return int(QDialog::Rejected); }};
    Run(CommandId::Print);
    EXPECT_EQ(shown, std::vector<QByteArray>{"QPrintDialog"});
}

// A PDF that cannot be written is said so, not taken for a printed page.
TEST_F(PrintCommandsTest, PrintThatCannotBeWrittenSaysSo)
{
    answers = {[&](QDialog& dialog) {
                   dynamic_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(
                       workDir.filePath(QStringLiteral("no/such/folder/page.pdf")));
                   return int(QDialog::Accepted);
               },
               SizeDialog(100, QDialog::Accepted)};
    Run(CommandId::Print);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("The drawing could not be printed."));
}

// The preview starts the job as printing does, with the size dialog, then shows one page.
TEST_F(PrintCommandsTest, PreviewAsksTheSizeThenShowsOnePage)
{
    int pages = 0;
    answers = {SizeDialog(200, QDialog::Accepted), [&](QDialog& dialog) {
                   auto* preview = dialog.findChild<QPrintPreviewWidget*>();
                   EXPECT_NE(preview, nullptr);
                   if (preview) {
                       preview->updatePreview();
                       pages = preview->pageCount();
                   }
                   return int(QDialog::Rejected);
               }};
    Run(CommandId::PrintPreview);
    EXPECT_EQ(shown, (std::vector<QByteArray>{"CPrintSizeDlg", "QPrintPreviewDialog"}));
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(Doc().PrintSize(), 200);
}

TEST_F(PrintCommandsTest, PrintCommandsNeedADrawingWindow)
{
    app->Frame()->Drawings().ActiveChild()->close();
    QApplication::processEvents();
    app->Frame()->Commands().UpdateAll();
    for (CommandId id : {CommandId::Print, CommandId::PrintPreview, CommandId::SizeWhenPrinted})
        EXPECT_FALSE(app->Frame()->Commands().Action(id)->isEnabled()) << static_cast<int>(id);
    EXPECT_TRUE(app->Frame()->Commands().Action(CommandId::PrintSetup)->isEnabled());
}
