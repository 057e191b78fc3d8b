#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QSlider>

#include "model/DepthSimulation.h"
#include "view/ui/CSimulateDepthDlg.h"

namespace {

QSlider* Slider(CSimulateDepthDlg& dialog, const char* name)
{
    return dialog.findChild<QSlider*>(QString::fromLatin1(name));
}

QRadioButton* Radio(CSimulateDepthDlg& dialog, const QString& text)
{
    for (QRadioButton* b : dialog.findChildren<QRadioButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

bool LabelShown(CSimulateDepthDlg& dialog, const QString& text)
{
    for (QLabel* l : dialog.findChildren<QLabel*>())
        if (l->text() == text)
            return true;
    return false;
}

TEST(SimulateDepthDlg, TheSlidersKeepBottomBelowTop)
{
    struct Row { int bottom; int top; const char* moved; int to; int expectBottom; int expectTop; };
    const Row rows[] = {
        {0, 25, "bottom", 25, 24, 25}, // all the way right
        {0, 25, "top", 0, 0, 1},
        {5, 10, "bottom", 12, 9, 10},
        {5, 10, "top", 3, 5, 6},
        {5, 10, "top", 20, 5, 20},
    };
    for (const Row& r : rows) {
        DepthSettings s;
        s.bottom = r.bottom;
        s.top = r.top;
        CSimulateDepthDlg dialog(s);
        Slider(dialog, r.moved)->setValue(r.to);
        EXPECT_EQ(Slider(dialog, "bottom")->value(), r.expectBottom) << r.moved << " to " << r.to;
        EXPECT_EQ(Slider(dialog, "top")->value(), r.expectTop);
    }
}

TEST(SimulateDepthDlg, OkStoresTheChoicesAndTheEndLabelsFollowTheScheme)
{
    DepthSettings s;
    CSimulateDepthDlg dialog(s);
    EXPECT_TRUE(LabelShown(dialog, QStringLiteral("Dark")));
    EXPECT_TRUE(LabelShown(dialog, QStringLiteral("Light")));
    Radio(dialog, QStringLiteral("ChromaDepth (tm)"))->setChecked(true);
    EXPECT_TRUE(LabelShown(dialog, QStringLiteral("Blue")));
    EXPECT_TRUE(LabelShown(dialog, QStringLiteral("Red")));
    EXPECT_FALSE(LabelShown(dialog, QStringLiteral("Dark")));
    Radio(dialog, QStringLiteral("Entire Drawing"))->setChecked(true);
    Slider(dialog, "bottom")->setValue(7);
    Slider(dialog, "top")->setValue(12);
    dialog.accept();
    EXPECT_TRUE(s.entireDrawing);
    EXPECT_FALSE(s.light);
    EXPECT_EQ(s.bottom, 7);
    EXPECT_EQ(s.top, 12);
}

} // namespace
