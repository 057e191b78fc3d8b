#include "view/ui/CJitterDlg.h"
#include "view/ui/CLinesDlg.h"
#include "view/ui/CPolarMirrorDlg.h"
#include "view/ui/CSkippingDlg.h"
#include "view/ui/CSpinEdit.h"

#include <functional>
#include <memory>

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "view/DrawingModes.h"

namespace {

template <typename T>
T* Named(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

void ClickOk(QDialog& dialog)
{
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

bool HasLabel(QWidget& dialog, const QString& text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

struct SliderDialog
{
    const char* title;
    const char* group;
    const char* low;
    const char* high;
    int maximum;
    std::function<std::unique_ptr<QDialog>(DrawingModes&)> make;
    std::function<bool(const DrawingModes&)> on;
    std::function<int(const DrawingModes&)> amount;
};

std::vector<SliderDialog> SliderDialogs()
{
    return {
        {"Lines", "Number of Globs", "Few", "Many", 8,
         [](DrawingModes& m) { return std::make_unique<CAmountDlg>(CLinesDlg::kDescription, m); },
         [](const DrawingModes& m) { return m.lines; }, [](const DrawingModes& m) { return m.lineDensity; }},
        {"Jitter", "Amount of Jitter", "Little", "Much", 8,
         [](DrawingModes& m) { return std::make_unique<CAmountDlg>(CJitterDlg::kDescription, m); },
         [](const DrawingModes& m) { return m.jitter; }, [](const DrawingModes& m) { return m.jitterAmount; }},
    };
}

TEST(ModeDialogs, LinesAndJitterShowTheModesAndWriteBackOnlyOnOk)
{
    for (const SliderDialog& d : SliderDialogs()) {
        DrawingModes modes;
        modes.lines = false;
        modes.lineDensity = 6;
        modes.jitter = false;
        modes.jitterAmount = 6;
        auto dialog = d.make(modes);
        EXPECT_EQ(dialog->windowTitle(), d.title);
        EXPECT_EQ(dialog->findChild<QGroupBox*>()->title(), d.group);
        EXPECT_TRUE(HasLabel(*dialog, d.low) && HasLabel(*dialog, d.high)) << d.title;
        auto* slider = Named<QSlider>(*dialog, "amount");
        EXPECT_EQ(slider->minimum(), 1);
        EXPECT_EQ(slider->maximum(), d.maximum);
        EXPECT_EQ(slider->value(), 6);
        EXPECT_TRUE(Named<QRadioButton>(*dialog, "off")->isChecked());

        Named<QRadioButton>(*dialog, "on")->setChecked(true);
        slider->setValue(2);
        dialog->reject();
        EXPECT_FALSE(d.on(modes)) << d.title;
        EXPECT_EQ(d.amount(modes), 6) << d.title;
        ClickOk(*dialog);
        EXPECT_TRUE(d.on(modes)) << d.title;
        EXPECT_EQ(d.amount(modes), 2) << d.title;
    }
}

TEST(ModeDialogs, SkippingSliderCountsInMultiplesOfTheMultiplier)
{
    DrawingModes modes;
    modes.skipValue = 7;
    modes.skipMultiplier = 3;
    CSkippingDlg dialog(modes);
    EXPECT_EQ(dialog.windowTitle(), "Skipping");
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), "Amount of Skip");
    EXPECT_TRUE(HasLabel(dialog, "Skip multiplier:"));
    EXPECT_EQ(Named<QSlider>(dialog, "amount")->value(), 2); // 7 / 3
    EXPECT_EQ(Named<QSpinBox>(dialog, "multiplier")->value(), 3);

    Named<QRadioButton>(dialog, "on")->setChecked(true);
    Named<QSlider>(dialog, "amount")->setValue(10);
    Named<QSpinBox>(dialog, "multiplier")->setValue(10);
    dialog.reject();
    EXPECT_EQ(modes.skipValue, 7);
    EXPECT_FALSE(modes.skipping);
    ClickOk(dialog);
    EXPECT_TRUE(modes.skipping);
    EXPECT_EQ(modes.skipMultiplier, 10);
    EXPECT_EQ(modes.skipValue, 100);
}

TEST(ModeDialogs, SkippingSurvivesAZeroMultiplierFromTheSettings)
{
    DrawingModes modes;
    modes.skipValue = 5;
    modes.skipMultiplier = 0;
    CSkippingDlg dialog(modes);
    EXPECT_EQ(Named<QSpinBox>(dialog, "multiplier")->value(), 1);
    EXPECT_EQ(Named<QSlider>(dialog, "amount")->value(), 5);
}

TEST(ModeDialogs, PolarMirrorRefusesCountsOutside2To50AndStaysOpen)
{
    const char* bad[] = {"1", "51", "", "abc", "3.5", "-5", "99999999999"};
    for (const char* entry : bad) {
        DrawingModes modes;
        CPolarMirrorDlg dialog(modes);
        QStringList messages;
        dialog.showMessage = [&](QWidget*, const QString& text) { messages << text; };
        dialog.show();
        Named<QRadioButton>(dialog, "off")->setChecked(true);
        Named<CSpinEdit>(dialog, "number")->Edit()->setText(QString::fromLatin1(entry));
        ClickOk(dialog);
        EXPECT_EQ(messages, QStringList{"Please enter an integer between 2 and 50."}) << entry;
        EXPECT_TRUE(dialog.isVisible()) << entry;
        EXPECT_TRUE(modes.symmetry.polar) << entry;
        EXPECT_EQ(modes.symmetry.polarCount, 5) << entry;
    }
}

TEST(ModeDialogs, PolarMirrorStoresAGoodCountAndItsArrowsStayInRange)
{
    DrawingModes modes;
    modes.symmetry.polarCount = 49;
    CPolarMirrorDlg dialog(modes);
    dialog.showMessage = [](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); };
    EXPECT_EQ(dialog.windowTitle(), "Polar Mirror");
    EXPECT_TRUE(HasLabel(dialog, "Number:"));
    auto* number = Named<CSpinEdit>(dialog, "number");
    EXPECT_EQ(number->Edit()->text(), "49");
    auto* up = Named<QToolButton>(*number, "up");
    up->click();
    up->click();
    EXPECT_EQ(number->Edit()->text(), "50");
    number->Edit()->setText("x");
    Named<QToolButton>(*number, "down")->click();
    EXPECT_EQ(number->Edit()->text(), "50");

    number->Edit()->setText(" 12 ");
    Named<QRadioButton>(dialog, "off")->setChecked(true);
    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(modes.symmetry.polarCount, 12);
    EXPECT_FALSE(modes.symmetry.polar);
}

TEST(ModeDialogs, AskRunsModallyAndReportsOk)
{
    DrawingModes modes;
    modes.lines = false;
    QTimer::singleShot(0, [] { ClickOk(*qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
    EXPECT_TRUE(CLinesDlg::Ask(modes, nullptr));
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(CJitterDlg::Ask(modes, nullptr));
}

} // namespace
