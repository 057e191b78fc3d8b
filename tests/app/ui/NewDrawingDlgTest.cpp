#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

#include "ShellFixture.h"
#include "app/ui/CNewDrawingDlg.h"

namespace
{
class NewDrawingDlgTest : public ShellFixture
{
protected:
    static void Type(QSpinBox* box, const QString& text) { box->findChild<QLineEdit*>()->setText(text); }
};
} // namespace

TEST_F(NewDrawingDlgTest, PresetsSetBothSizes)
{
    for (QSize preset : {QSize(1024, 768), QSize(800, 600), QSize(640, 480), QSize(400, 400)}) {
        CNewDrawingDlg dialog(QSize(400, 400), false);
        dialog.ChoosePreset(preset);
        EXPECT_EQ(dialog.DrawingSize(), preset);
        EXPECT_EQ(dialog.HeightBox()->text(), QString::number(preset.height()));
    }
}

TEST_F(NewDrawingDlgTest, LockedHeightFollowsTheClampedWidth)
{
    CNewDrawingDlg dialog(QSize(400, 400), false);
    dialog.ChoosePreset(QSize(800, 600));
    dialog.LockBox()->setChecked(true);
    EXPECT_FALSE(dialog.HeightBox()->isEnabled());
    const struct
    {
        const char* width;
        const char* height;
    } cases[] = {{"1000", "750"}, {"50", "75"}, {"5000", "1536"}, {"", "75"}, {"801", "600"}};
    for (const auto& c : cases) {
        Type(dialog.WidthBox(), c.width);
        EXPECT_EQ(dialog.HeightBox()->text(), QString(c.height)) << c.width;
    }
    dialog.ChoosePreset(QSize(640, 480)); // the lock takes the preset's proportions
    Type(dialog.WidthBox(), "320");
    EXPECT_EQ(dialog.HeightBox()->text(), QString("240"));
    dialog.LockBox()->setChecked(false);
    EXPECT_TRUE(dialog.HeightBox()->isEnabled());
    Type(dialog.WidthBox(), "1000");
    EXPECT_EQ(dialog.HeightBox()->text(), QString("240"));
}

TEST_F(NewDrawingDlgTest, OkRefusesASizeOutsideTheRange)
{
    CNewDrawingDlg dialog(QSize(400, 400), false);
    Type(dialog.WidthBox(), "50");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString("Please enter an integer between 100 and 2048."));
    Type(dialog.WidthBox(), "2048");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.DrawingSize(), QSize(2048, 400));
}
