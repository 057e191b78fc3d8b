#include "../SessionFixture.h"
#include "../../MouseStroke.h"

#include <functional>
#include <memory>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include "view/DrawingModeCommands.h"
#include "view/Sampling.h"
#include "view/UndoState.h"
#include "view/ui/CDaubrixView.h"

#include <gtest/gtest.h>

namespace {

// A new drawing and, once the test has set its modes, a shown window on it.
struct ViewOnDrawing
{
    explicit ViewOnDrawing(QSize drawing) { doc.NewDrawing(drawing.width(), drawing.height()); }

    CDaubrixView& Show(QSize window)
    {
        view = std::make_unique<CDaubrixView>(
            doc, DrawingTools{f.shapes, f.modes, f.autoChange, f.random, nullptr, &f.oneShot});
        if (!window.isEmpty())
            view->resize(window);
        view->show();
        QApplication::processEvents();
        return *view;
    }

    SessionFixture f; // for its shapes; the view brings its own session
    CDaubrixDoc doc{f.shapes};
    std::unique_ptr<CDaubrixView> view;
};

// Drives a real drawing window with mouse events and checks both the records and the pixels.
TEST(DrawingView, AStrokeOfMouseEventsAddsGlobsAndPaintsThem)
{
    ViewOnDrawing w({200, 100});
    CDaubrixDoc& doc = w.doc;
    doc.SetBackgroundColor(MakeRgb(0, 0, 40));
    w.f.modes.symmetry.polar = false;
    w.f.modes.symmetry.mirrorHorizontal = true;
    CDaubrixView& view = w.Show({200, 100});
    QWidget* port = view.viewport();
    Stroke(port, {{20, 30}, {25, 30}, {30, 32}});

    const QPoint c = view.Session().Centre(); // mirror copies land at 2 cx - x
    ASSERT_EQ(doc.Records().GlobCount(), 6);
    EXPECT_EQ(QPoint(doc.Records().GetGlob(1).x, doc.Records().GetGlob(1).y), QPoint(2 * c.x() - 20, 30));
    EXPECT_EQ(QPoint(doc.Records().GetGlob(4).x, doc.Records().GetGlob(4).y), QPoint(30, 32));
    EXPECT_EQ(doc.Records().CurrentSections().count, 1);
    const QImage& image = view.Session().Canvas().DrawingImage();
    EXPECT_EQ(image.pixel(25, 30), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2 * c.x() - 25, 30), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(100, 90), qRgb(0, 0, 40));
    // What the window shows is the drawing image.
    const QImage shown = port->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(25, 30), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(100, 90), qRgb(0, 0, 40));
}


// On a screen at 200 % every drawing pixel becomes a 2 x 2 block of its own colour: the
// window never smooths the picture.
TEST(DrawingView, AtTwiceTheScaleEachDrawingPixelIsASharpBlock)
{
    ViewOnDrawing w({60, 40});
    w.f.modes.symmetry.polar = false;
    CDaubrixView& view = w.Show({120, 90}); // room for the whole drawing
    QWidget* port = view.viewport();
    Stroke(port, {{20, 15}, {30, 20}});

    const QImage& image = view.Session().Canvas().DrawingImage();
    const QSize shown = port->size().boundedTo(image.size());
    QImage screen(shown * 2, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    port->render(&screen, QPoint(), QRegion(QRect(QPoint(), shown)));
    int wrong = 0;
    int painted = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            painted += image.pixel(x, y) != image.pixel(0, 0);
            for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                wrong += screen.pixel(2 * x + d.x(), 2 * y + d.y()) != image.pixel(x, y);
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(painted, 0); // the stroke is in the compared part
}


// Scroll bars appear only where the drawing does not fit, also after the window was smaller.
TEST(DrawingView, ScrollBarsOnlyWhereTheDrawingDoesNotFit)
{
    ViewOnDrawing w({200, 100});
    CDaubrixView& view = w.Show({});
    const int bar = view.verticalScrollBar()->sizeHint().width();
    const struct
    {
        QSize window;
        bool across, down;
    } cases[] = {
        {{200, 100}, false, false},
        {{300, 300}, false, false},
        {{199, 300}, true, false},
        {{199, 100}, true, true},  // the bar across takes the room the height needed
        {{300, 99}, false, true},
        {{200 + bar, 99}, false, true}, // the bar down still leaves the width
        {{200, 100}, false, false},
    };
    for (const auto& c : cases) {
        view.resize(40, 30); // bars shown first, as while a window opens
        QApplication::processEvents();
        view.resize(c.window);
        QApplication::processEvents();
        SCOPED_TRACE(testing::Message() << c.window.width() << " x " << c.window.height());
        EXPECT_EQ(view.horizontalScrollBar()->isVisible(), c.across);
        EXPECT_EQ(view.verticalScrollBar()->isVisible(), c.down);
        EXPECT_EQ(view.horizontalScrollBar()->maximum(), std::max(0, 200 - view.viewport()->width()));
        EXPECT_EQ(view.verticalScrollBar()->maximum(), std::max(0, 100 - view.viewport()->height()));
    }
}

// The click that places the centre ends Move Center like any release: the next stroke is a
// section of its own, and Undo takes back just that stroke.
TEST(DrawingView, AStrokeAfterMoveCenterIsUndoneAlone)
{
    ViewOnDrawing w({200, 100});
    w.f.modes.symmetry.polar = false;
    CDaubrixView& view = w.Show({200, 100});
    QWidget* port = view.viewport();
    const QImage empty = view.Session().Canvas().DrawingImage();
    Stroke(port, {{20, 30}, {30, 30}});
    MoveCenterCommand(w.f.modes, w.f.oneShot);
    Stroke(port, {{100, 50}});
    EXPECT_FALSE(w.f.oneShot.moveCentre);
    EXPECT_EQ(view.Session().Centre(), QPoint(100, 50));
    Stroke(port, {{50, 70}, {60, 70}});
    ASSERT_EQ(w.doc.Records().GlobCount(), 4);

    view.Session().History().Undo();
    view.Refresh();
    EXPECT_EQ(view.Session().Canvas().HistoryPosition(), 2);
    EXPECT_EQ(w.doc.UndoState(), RedoDrawing);
    view.Session().Canvas().Regenerate(); // what the first stroke alone looks like
    const QImage undone = view.Session().Canvas().DrawingImage();
    view.Refresh();
    EXPECT_EQ(view.Session().Canvas().DrawingImage(), undone);
    EXPECT_NE(undone, empty);
}

// Esc and the right button end Move Center without moving the centre, and Lines comes back.
TEST(DrawingView, EscAndTheRightButtonEndMoveCenter)
{
    const auto rightClick = [](QWidget* port) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(40, 40), port->mapToGlobal(QPointF(40, 40)),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(port, &press);
    };
    const auto escape = [](QWidget* port) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(port->parentWidget(), &key);
    };
    for (const auto& end : {std::function<void(QWidget*)>(rightClick), std::function<void(QWidget*)>(escape)}) {
        ViewOnDrawing w({200, 100});
        w.f.modes.lines = true;
        CDaubrixView& view = w.Show({200, 100});
        const QPoint centre = view.Session().Centre();
        MoveCenterCommand(w.f.modes, w.f.oneShot);
        ASSERT_FALSE(w.f.modes.lines);
        end(view.viewport());
        EXPECT_FALSE(w.f.oneShot.moveCentre);
        EXPECT_TRUE(w.f.modes.lines);
        EXPECT_EQ(view.Session().Centre(), centre);
        EXPECT_EQ(w.doc.Records().GlobCount(), 0);
    }
}

// Tab is a drawing key (it steps the palettes), and characters forwarded with no key code
// (as the Drawing History window sends them) work like typed ones, Esc included.
TEST(DrawingView, TabStepsThePalettesAndForwardedEscEndsSampling)
{
    ViewOnDrawing w({200, 100});
    CDaubrixView& view = w.Show({200, 100});
    view.setFocus();
    int steps = 0;
    QObject::connect(&view, &CDaubrixView::PaletteCycleWanted, [&] { ++steps; });
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(&view, &tab);
    EXPECT_EQ(steps, 1);

    SampleColorCommand(w.f.modes, w.f.oneShot);
    ASSERT_TRUE(w.f.oneShot.sampleColour);
    QKeyEvent forwardedEsc(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\x1b"));
    QApplication::sendEvent(&view, &forwardedEsc);
    EXPECT_FALSE(w.f.oneShot.sampleColour);
}

// Each one-shot mode shows its own pointer; ending the mode brings the shape's back at once.
TEST(DrawingView, ThePointerFollowsTheModes)
{
    ViewOnDrawing w({200, 100});
    CDaubrixView& view = w.Show({200, 100});
    const auto pointer = [&] { return view.viewport()->cursor().pixmap().toImage(); };
    const auto shapeBitmap = [&] { return view.viewport()->cursor().bitmap().toImage(); };
    ASSERT_FALSE(shapeBitmap().isNull()) << "the shape's outline";
    MoveCenterCommand(w.f.modes, w.f.oneShot);
    view.RefreshCursor();
    const QImage moveCentre = pointer();
    ASSERT_FALSE(moveCentre.isNull());
    MoveCenterCommand(w.f.modes, w.f.oneShot);
    SampleShapeCommand(w.f.modes, w.f.oneShot);
    view.RefreshCursor();
    const QImage sample = pointer();
    ASSERT_FALSE(sample.isNull());
    EXPECT_NE(sample, moveCentre);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&view, &esc);
    EXPECT_FALSE(shapeBitmap().isNull()) << "the shape's outline again, without moving the pointer";
}

} // namespace
