#include "view/ui/CMovieDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

// The dialog opens on the run's choices and hands back what was changed.
TEST(CMovieDlg, ShowsAndReturnsTheChoices)
{
    MovieSettings start;
    start.framesPerSecond = 24;
    start.advance = MovieSettings::Advance::GlobsPerFrame;
    start.globsPerFrame = 50;
    start.holdSeconds = 1.5;
    CMovieDlg dialog(start, QStringLiteral("/tmp/drawing.webm"), {640, 480});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create movie"));
    EXPECT_EQ(dialog.KindList()->currentIndex(), 1);
    EXPECT_EQ(dialog.RateBox()->value(), 24);
    EXPECT_TRUE(dialog.GlobsPerFrameButton()->isChecked());
    EXPECT_FALSE(dialog.SecondsBox()->isEnabled());
    EXPECT_EQ(dialog.HalfSizeBox()->text(), QStringLiteral("Half size (320 × 240)"));

    dialog.SecondsButton()->setChecked(true);
    dialog.SecondsBox()->setValue(4.5);
    dialog.HalfSizeBox()->setChecked(true);
    dialog.SectionEndsBox()->setChecked(true);
    const MovieSettings chosen = dialog.Settings();
    EXPECT_EQ(chosen.advance, MovieSettings::Advance::TotalSeconds);
    EXPECT_DOUBLE_EQ(chosen.seconds, 4.5);
    EXPECT_TRUE(chosen.halfSize);
    EXPECT_TRUE(chosen.frameAtSectionEnds);
    EXPECT_DOUBLE_EQ(chosen.holdSeconds, 1.5);
}

// The output follows the kind chosen: a video's extension, or a folder without one.
TEST(CMovieDlg, OutputTakesTheKindsExtension)
{
    CMovieDlg dialog(MovieSettings{}, QStringLiteral("/tmp/flower.mp4"), {200, 100});
    EXPECT_EQ(dialog.KindList()->currentIndex(), 0);
    dialog.KindList()->setCurrentIndex(2);
    EXPECT_EQ(dialog.Output(), QStringLiteral("/tmp/flower"));
    dialog.KindList()->setCurrentIndex(1);
    EXPECT_EQ(dialog.Output(), QStringLiteral("/tmp/flower.webm"));
    dialog.OutputEdit()->clear();
    EXPECT_TRUE(dialog.Output().isEmpty());
}
