#include "view/ui/CHistoryWnd.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QToolButton>

#include <gtest/gtest.h>

#include "view/SessionFixture.h"
#include "view/UndoState.h"
#include "view/ui/CHistorySlider.h"
#include "view/ui/SectionIcons.h"

namespace {

// Three strokes of ten globs each: boundaries at 10, 20 and 30.
struct HistoryFixture : SessionFixture
{
    HistoryFixture()
    {
        for (int y : {10, 20, 30})
            Stroke({{10, y}, {11, y}, {12, y}, {13, y}, {14, y}, {15, y}, {16, y}, {17, y}, {18, y}, {19, y}});
        window.SetSession(session.get());
    }

    int Position() { return session->Canvas().HistoryPosition(); }

    CHistoryWnd window;
};

void Drag(CHistorySlider& slider, std::initializer_list<int> positions)
{
    slider.setSliderDown(true);
    for (int p : positions)
        slider.setSliderPosition(p);
}

TEST(HistoryWnd, ShowsTheBoundDrawingAndFollowsItsChanges)
{
    HistoryFixture f;
    CHistorySlider& slider = *f.window.Slider();
    EXPECT_TRUE(f.window.isEnabled());
    EXPECT_EQ(f.window.windowTitle(), "Drawing History");
    EXPECT_EQ(slider.minimum(), 0);
    EXPECT_EQ(slider.maximum(), 30);
    EXPECT_EQ(slider.value(), 30);
    EXPECT_EQ(slider.Ticks(), (std::vector<int>{10, 20}));

    f.Stroke({{50, 50}, {51, 50}});
    EXPECT_EQ(slider.maximum(), 32);
    EXPECT_EQ(slider.Ticks(), (std::vector<int>{10, 20, 30}));

    f.window.SetSession(nullptr);
    EXPECT_FALSE(f.window.isEnabled());
    EXPECT_EQ(slider.maximum(), 0);
    EXPECT_TRUE(slider.Ticks().empty());
    f.Stroke({{60, 50}}); // no longer listening
    EXPECT_EQ(slider.maximum(), 0);
}

TEST(HistoryWnd, DraggingSnapsToBoundariesAndReleaseMovesTheHistory)
{
    HistoryFixture f;
    CHistorySlider& slider = *f.window.Slider();
    EXPECT_EQ(f.doc.UndoState(), UndoDrawing);
    const std::pair<int, int> snaps[] = {{17, 20}, {14, 10}, {15, 15}, {26, 30}, {3, 3}};
    for (auto [dragged, shown] : snaps) {
        Drag(slider, {dragged});
        EXPECT_EQ(slider.value(), shown) << dragged;
    }
    EXPECT_EQ(f.doc.UndoState(), UndoNothing);
    EXPECT_EQ(f.Position(), 30) << "nothing moves until the release";
    Drag(slider, {12});
    slider.setSliderDown(false);
    EXPECT_EQ(f.Position(), 10);
    EXPECT_EQ(f.session->Slider().Position(), 10);
}

TEST(HistoryWnd, KeysOnTheSliderTakeEffectAtOnce)
{
    HistoryFixture f;
    f.window.Slider()->setValue(11); // as a page click or arrow key would
    EXPECT_EQ(f.Position(), 10);
    EXPECT_EQ(f.window.Slider()->value(), 10);
}

TEST(HistoryWnd, SectionButtonsStepBetweenBoundaries)
{
    HistoryFixture f;
    QToolButton* previous = f.window.PreviousButton();
    QToolButton* next = f.window.NextButton();
    EXPECT_EQ(previous->toolTip(), "Previous section");
    EXPECT_EQ(next->toolTip(), "Next section");
    const std::pair<QToolButton*, int> steps[] = {
        {previous, 20}, {previous, 10}, {previous, 0}, {previous, 0}, {next, 10}, {next, 20}, {next, 30}, {next, 30},
    };
    for (auto [button, expected] : steps) {
        button->click();
        EXPECT_EQ(f.Position(), expected);
        EXPECT_EQ(f.window.Slider()->value(), expected);
    }
}

TEST(HistoryWnd, WithoutADrawingTheControlsDoNothing)
{
    CHistoryWnd window;
    EXPECT_FALSE(window.isEnabled());
    window.NextButton()->click();
    window.Slider()->setValue(5);
    EXPECT_EQ(window.Slider()->value(), 0);
}

TEST(HistoryWnd, ForwardsCharactersAndKeepsArrowKeysForTheSlider)
{
    HistoryFixture f;
    QStringList typed;
    QObject::connect(&f.window, &CHistoryWnd::characterTyped, [&](const QString& text) { typed << text; });
    for (QString text : {"r", "\t", "+"}) {
        QKeyEvent press(QEvent::KeyPress, text == "\t" ? Qt::Key_Tab : Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(f.window.Slider(), &press);
    }
    ASSERT_EQ(typed.size(), 3);
    EXPECT_EQ(typed, (QStringList{"r", "\t", "+"}));
    QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QCoreApplication::sendEvent(f.window.Slider(), &pageDown);
    EXPECT_EQ(typed.size(), 3);
    EXPECT_EQ(f.Position(), 20);
}

TEST(HistoryWnd, ClosingHidesAndTells)
{
    HistoryFixture f;
    int closed = 0;
    QObject::connect(&f.window, &CHistoryWnd::closed, [&] { ++closed; });
    f.window.show();
    f.window.close();
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_EQ(closed, 1);
}

TEST(HistoryWnd, SectionIconsAreMirrorImagesOnWholePixels)
{
    const QImage previous = SectionStepImage(SectionStep::Previous, 1, Qt::black);
    const QImage next = SectionStepImage(SectionStep::Next, 1, Qt::black);
    EXPECT_EQ(previous.mirrored(true, false), next);
    const QImage big = SectionStepImage(SectionStep::Previous, 2, Qt::black);
    ASSERT_EQ(big.size(), QSize(24, 24));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            for (QPoint d : {QPoint(0, 0), QPoint(1, 1)})
                ASSERT_EQ(big.pixel(2 * x + d.x(), 2 * y + d.y()), previous.pixel(x, y)) << x << "," << y;
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(qAlpha(previous.pixel(x, 0)), 0); // a clear margin, nothing smeared
}

} // namespace
