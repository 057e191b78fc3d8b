#include "imaging/ui/CPatternDlg.h"
#include "imaging/ui/CRunChoiceDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QStringList RadioTexts(QWidget& dialog)
{
    QStringList texts;
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>())
        texts << radio->text() + (radio->isChecked() ? QStringLiteral("*") : QString());
    return texts;
}

// Once the dialog runs: checks its other choice, then presses OK or Cancel.
void AnswerNext(bool ok)
{
    QTimer::singleShot(0, [ok] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
            if (!radio->isChecked()) {
                radio->click();
                break;
            }
        dialog->findChild<QDialogButtonBox*>()->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
}

TEST(TransferDialogs, EachQuestionShowsItsTextsWithTheRememberedAnswerChecked)
{
    struct Case
    {
        const CRunChoiceDlg::Question& question;
        QString title;
        QString group;
        QStringList choices;
    };
    const Case cases[] = {
        {CRunChoiceDlg::kCut, "Cut", "Cut", {"Entire Drawing*", "Last Section Only"}},
        {CRunChoiceDlg::kCopy, "Copy", "Copy", {"Entire Drawing*", "Last Section Only"}},
        {CRunChoiceDlg::kPaste, "Paste", "Colors", {"Preserve colors*", "Use new colors"}},
        {CRunChoiceDlg::kDefinePattern, "Define Pattern", "Make Pattern From", {"Entire Drawing*", "Last Section Only"}},
    };
    for (const Case& c : cases) {
        CRunChoiceDlg dialog(c.question, false, nullptr);
        EXPECT_EQ(dialog.windowTitle(), c.title);
        EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), c.group);
        EXPECT_EQ(RadioTexts(dialog), c.choices);
    }
    CPatternDlg pattern(false, RunColors::UseNew, nullptr);
    EXPECT_EQ(pattern.windowTitle(), QStringLiteral("Pattern"));
    EXPECT_EQ(RadioTexts(pattern), QStringList({"On", "Off*", "Preserve colors", "Use new colors*"}));
}

TEST(TransferDialogs, OkStoresTheAnswerAndCancelKeepsTheOldOne)
{
    RunRange range = RunRange::EntireDrawing;
    AnswerNext(false);
    EXPECT_FALSE(CRunChoiceDlg::Ask(CRunChoiceDlg::kCopy, range, nullptr));
    EXPECT_EQ(range, RunRange::EntireDrawing);
    AnswerNext(true);
    EXPECT_TRUE(CRunChoiceDlg::Ask(CRunChoiceDlg::kCopy, range, nullptr));
    EXPECT_EQ(range, RunRange::LastSectionOnly);

    RunColors colors = RunColors::Preserve;
    AnswerNext(true);
    EXPECT_TRUE(CRunChoiceDlg::Ask(CRunChoiceDlg::kPaste, colors, nullptr));
    EXPECT_EQ(colors, RunColors::UseNew);

    bool on = false;
    AnswerNext(true); // the first unchecked choice is "On"
    EXPECT_TRUE(CPatternDlg::Ask(on, colors, nullptr));
    EXPECT_TRUE(on);
    EXPECT_EQ(colors, RunColors::UseNew);
}

} // namespace
