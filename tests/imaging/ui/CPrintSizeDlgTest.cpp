#include "imaging/ui/CPrintSizeDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace
{
constexpr PrinterPage k600Dpi{4800, 6600, 600, 600};

QPushButton* Button(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QStringList Titles(QWidget& dialog)
{
    QStringList titles;
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        titles << group->title();
    for (QLabel* label : dialog.findChildren<QLabel*>())
        titles << label->text();
    return titles;
}
} // namespace

// The dialog opens on the drawing's value and the run's unit and centring, with its texts.
TEST(CPrintSizeDlg, OpensWithTheValuesAndTexts)
{
    CPrintSizeDlg dialog({800, 600}, 100, {PrintUnit::Inch, false, k600Dpi});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Drawing size on printer"));
    EXPECT_EQ(dialog.DotsPerUnitBox()->value(), 100);
    EXPECT_EQ(dialog.DotsPerUnitBox()->minimum(), 100); // 800 wide on 4800 at 600 dpi
    EXPECT_EQ(dialog.DotsPerUnitBox()->maximum(), 2048);
    EXPECT_EQ(dialog.UnitList()->count(), 3);
    EXPECT_EQ(dialog.UnitList()->currentText(), QStringLiteral("inch"));
    EXPECT_EQ(dialog.WidthEdit()->text(), QStringLiteral("8.00"));
    EXPECT_EQ(dialog.HeightEdit()->text(), QStringLiteral("6.00"));
    EXPECT_FALSE(dialog.WidthEdit()->isEnabled());
    EXPECT_EQ(dialog.WidthUnitLabel()->text(), QStringLiteral("inches"));
    EXPECT_FALSE(dialog.CentreBox()->isChecked());
    EXPECT_EQ(dialog.CentreBox()->text(), QStringLiteral("Center on page"));
    const QStringList titles = Titles(dialog);
    for (const char* text : {"Dots per unit", "Size on printer", "per", "width:", "height:"})
        EXPECT_TRUE(titles.contains(QLatin1String(text))) << text;
    EXPECT_NE(Button(dialog, QStringLiteral("Max size")), nullptr);
    const QRect laidOut(0, 0, CPrintSizeDlg::kPreviewSide, CPrintSizeDlg::kPreviewSide);
    EXPECT_EQ(dialog.PagePreview()->geometry(), dialog.Choice().PagePreview(laidOut));
    EXPECT_EQ(dialog.PicturePreview()->geometry(), dialog.Choice().PicturePreview(laidOut));
}

// Each control changes the value, the texts and the preview together.
TEST(CPrintSizeDlg, ControlsKeepTheTextsAndThePreviewInStep)
{
    CPrintSizeDlg dialog({1600, 1200}, 300, {PrintUnit::Inch, true, k600Dpi});
    const QRect laidOut(0, 0, CPrintSizeDlg::kPreviewSide, CPrintSizeDlg::kPreviewSide);
    const QRect before = dialog.PicturePreview()->geometry();

    dialog.DotsPerUnitBox()->setValue(400);
    EXPECT_EQ(dialog.WidthEdit()->text(), QStringLiteral("4.00"));
    EXPECT_LT(dialog.PicturePreview()->width(), before.width());

    Button(dialog, QStringLiteral("Max size"))->click();
    EXPECT_EQ(dialog.DotsPerUnitBox()->value(), 200);
    EXPECT_EQ(dialog.WidthEdit()->text(), QStringLiteral("8.00"));

    dialog.CentreBox()->click();
    EXPECT_FALSE(dialog.Choice().Centre());
    EXPECT_EQ(dialog.PicturePreview()->geometry(), dialog.Choice().PicturePreview(laidOut));
    EXPECT_EQ(dialog.PicturePreview()->geometry().topLeft(),
              dialog.PagePreview()->geometry().topLeft() + QPoint(1, 1));

    dialog.DotsPerUnitBox()->setValue(300);
    dialog.UnitList()->setCurrentIndex(1);
    EXPECT_EQ(dialog.DotsPerUnitBox()->value(), 118); // 300 × 0.39370078 = 118.1
    EXPECT_EQ(dialog.DotsPerUnitBox()->minimum(), dialog.Choice().Minimum());
    EXPECT_EQ(dialog.WidthUnitLabel()->text(), QStringLiteral("cm"));
    EXPECT_EQ(dialog.WidthEdit()->text(), QStringLiteral("13.56"));
}

// OK hands back the value, the unit and centring; Cancel leaves all three as they were.
TEST(CPrintSizeDlg, AskWritesBackOnlyOnOk)
{
    const auto choose = [](int answer) {
        return [answer](QDialog& shown) {
            auto& dialog = dynamic_cast<CPrintSizeDlg&>(shown);
            dialog.DotsPerUnitBox()->setValue(250);
            dialog.UnitList()->setCurrentIndex(2);
            dialog.CentreBox()->click();
            return answer;
        };
    };
    int dots = 300;
    PrintOptions options{PrintUnit::Inch, true, k600Dpi};
    EXPECT_FALSE(CPrintSizeDlg::Ask(nullptr, choose(QDialog::Rejected), {800, 600}, dots, options));
    EXPECT_EQ(dots, 300);
    EXPECT_EQ(options.unit, PrintUnit::Inch);
    EXPECT_TRUE(options.centre);

    EXPECT_TRUE(CPrintSizeDlg::Ask(nullptr, choose(QDialog::Accepted), {800, 600}, dots, options));
    EXPECT_EQ(dots, 10); // 250 per inch in mm, rounded half up
    EXPECT_EQ(options.unit, PrintUnit::Mm);
    EXPECT_FALSE(options.centre);
    EXPECT_EQ(options.page, k600Dpi);
}
