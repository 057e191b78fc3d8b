#include "color/ui/CAutoChangeDlg.h"
#include "color/ui/CColorValuesDlg.h"
#include "color/ui/CConfirmDlg.h"
#include "color/ui/CValueSpinBox.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr HsvColor kRed{0, 255, 255};

struct ValuesDialog
{
    explicit ValuesDialog(const HsvColor& start) : dialog(start)
    {
        dialog.showInvalid = [this](const QString& text) { messages << text; };
    }
    void Type(CColorValuesDlg::Field field, const QString& text)
    {
        dialog.Edit(field)->findChild<QLineEdit*>()->setText(text);
    }
    QString Text(CColorValuesDlg::Field field) const { return dialog.Edit(field)->Text(); }

    CColorValuesDlg dialog;
    QStringList messages;
};

TEST(ColorValuesDlg, OpensOnTheColourAndKeepsItOnOk)
{
    ValuesDialog v(kRed);
    const QStringList shown{v.Text(CColorValuesDlg::Hue), v.Text(CColorValuesDlg::Sat),
                            v.Text(CColorValuesDlg::Val), v.Text(CColorValuesDlg::Red),
                            v.Text(CColorValuesDlg::Green), v.Text(CColorValuesDlg::Blue)};
    EXPECT_EQ(shown, QStringList({"0", "255", "255", "255", "0", "0"}));
    EXPECT_EQ(v.dialog.SwatchColor(), QColor(255, 0, 0));
    v.dialog.accept();
    EXPECT_EQ(v.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(v.dialog.Result(), kRed);
}

TEST(ColorValuesDlg, HsvDecidesUntilTheRgbNumbersChange)
{
    ValuesDialog typed(kRed);
    typed.Type(CColorValuesDlg::Hue, "30");
    EXPECT_EQ(typed.dialog.SwatchColor(), QColor(255, 127, 0));
    typed.dialog.accept();
    EXPECT_EQ(typed.dialog.Result(), (HsvColor{30, 255, 255}));

    ValuesDialog copied(kRed);
    copied.Type(CColorValuesDlg::Hue, "30");
    copied.dialog.CopyHsvToRgb();
    EXPECT_EQ(copied.Text(CColorValuesDlg::Green), "127");
    copied.Type(CColorValuesDlg::Hue, "200"); // ignored: RGB already differs
    copied.dialog.accept();
    EXPECT_EQ(copied.dialog.Result(), (HsvColor{29, 255, 255}));
}

TEST(ColorValuesDlg, CopiesRgbBackToHsvTruncated)
{
    ValuesDialog v(kRed);
    v.Type(CColorValuesDlg::Green, "127");
    EXPECT_EQ(v.dialog.SwatchColor(), QColor(255, 127, 0));
    v.dialog.CopyRgbToHsv();
    EXPECT_EQ(v.Text(CColorValuesDlg::Hue), "29");
    EXPECT_EQ(v.Text(CColorValuesDlg::Sat), "255");
}

TEST(ColorValuesDlg, OutOfRangeOrEmptyKeepsTheDialogOpen)
{
    const struct { CColorValuesDlg::Field field; const char* text; const char* message; } cases[] = {
        {CColorValuesDlg::Hue, "361", "Please enter an integer between 0 and 360."},
        {CColorValuesDlg::Blue, "-1", "Please enter an integer between 0 and 255."},
        {CColorValuesDlg::Sat, "", "Please enter an integer."},
    };
    for (const auto& c : cases) {
        ValuesDialog v(kRed);
        v.dialog.show();
        v.Type(c.field, c.text);
        v.dialog.accept();
        EXPECT_TRUE(v.dialog.isVisible()) << c.text;
        EXPECT_EQ(v.messages, QStringList(c.message));
        EXPECT_EQ(v.dialog.Result(), kRed);
    }
}

TEST(ColorValuesDlg, ArrowsStayInRange)
{
    ValuesDialog v(HsvColor{360, 0, 0});
    v.dialog.Edit(CColorValuesDlg::Hue)->stepBy(1);
    v.dialog.Edit(CColorValuesDlg::Val)->stepBy(-1);
    EXPECT_EQ(v.Text(CColorValuesDlg::Hue), "360");
    EXPECT_EQ(v.Text(CColorValuesDlg::Val), "0");
}

TEST(AutoChangeDlg, OpensOnTheChannelsSettingsInItsOwnOrder)
{
    AutoChangeChannel off;
    std::unique_ptr<CAutoChangeDlg> hue(CAutoChangeDlg::Create(AutoChannel::Hue, off, nullptr));
    EXPECT_EQ(hue->windowTitle(), "AutoChange Hue");
    EXPECT_TRUE(hue->ModeButton(AutoOff)->isChecked());
    EXPECT_EQ(hue->SpeedSlider()->value(), 5);
    EXPECT_EQ(hue->SpeedSlider()->minimum(), 1);
    EXPECT_EQ(hue->SpeedSlider()->maximum(), 10);
    hue->layout()->activate();
    EXPECT_LT(hue->ModeButton(AutoUp)->y(), hue->ModeButton(AutoUpDown)->y());

    AutoChangeChannel odd{AutoOff, 3};
    odd.mode = 9;
    std::unique_ptr<CAutoChangeDlg> sat(CAutoChangeDlg::Create(AutoChannel::Saturation, odd, nullptr));
    EXPECT_EQ(sat->windowTitle(), "AutoChange Saturation");
    EXPECT_TRUE(sat->ModeButton(AutoOff)->isChecked());
    EXPECT_EQ(sat->ModeButton(AutoUpDown)->text(), "Up && Down");
    sat->layout()->activate();
    EXPECT_LT(sat->ModeButton(AutoUpDown)->y(), sat->ModeButton(AutoUp)->y());
    EXPECT_EQ(sat->ModeButton(AutoOff)->y(), sat->ModeButton(AutoRandom)->y());
}

TEST(AutoChangeDlg, OkStoresModeAndSpeedAndStartsTheChannel)
{
    AutoChangeState state;
    RandomGenerator random(3);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CAutoChangeDlg*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->ModeButton(AutoRandom)->click();
        dialog->SpeedSlider()->setValue(8);
        dialog->accept();
    });
    CAutoChangeDlg::RunCommand(AutoChannel::Value, false, state, kRed, random, nullptr);
    const AutoChangeChannel& value = state.Channel(AutoChannel::Value);
    EXPECT_EQ(value.mode, AutoRandom);
    EXPECT_EQ(value.speed, 8);
    EXPECT_NE(value.step, 0);

    CAutoChangeDlg::RunCommand(AutoChannel::Value, true, state, kRed, random, nullptr);
    EXPECT_EQ(state.Channel(AutoChannel::Value).mode, AutoOff);
}

TEST(ConfirmDlg, AsksTheQuestionAndNoDeclines)
{
    CConfirmDlg dialog(CConfirmDlg::Question::DeleteColor);
    EXPECT_EQ(dialog.windowTitle(), "Confirm");
    const auto labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](QLabel* l) { return l->text() == "Delete color?"; }));
    EXPECT_EQ(CConfirmDlg::Text(CConfirmDlg::Question::DeleteAllColors), "Delete all colors?");
    QTimer::singleShot(0, [] {
        auto* shown = QApplication::activeModalWidget();
        ASSERT_TRUE(shown);
        for (QPushButton* b : shown->findChildren<QPushButton*>())
            if (b->text() == "No")
                b->click();
    });
    EXPECT_FALSE(CConfirmDlg::Ask(CConfirmDlg::Question::DeleteColor, nullptr));
}

} // namespace
