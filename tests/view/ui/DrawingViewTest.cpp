#include "../SessionFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include "view/ui/CDaubrixView.h"

#include <gtest/gtest.h>

namespace {

void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Drives a real drawing window with mouse events and checks both the records and the pixels.
TEST(DrawingView, AStrokeOfMouseEventsAddsGlobsAndPaintsThem)
{
    SessionFixture f; // for its shapes; the view brings its own session
    CDaubrixDoc doc(f.shapes);
    doc.NewDrawing(200, 100);
    doc.SetBackgroundColor(MakeRgb(0, 0, 40));
    f.modes.symmetry.polar = false;
    f.modes.symmetry.mirrorHorizontal = true;
    CDaubrixView view(doc, DrawingTools{f.shapes, f.modes, f.autoChange, f.random, nullptr});
    view.resize(200, 100);
    view.show();
    QApplication::processEvents();

    QWidget* port = view.viewport();
    Send(port, QEvent::MouseButtonPress, {20, 30}, Qt::LeftButton);
    Send(port, QEvent::MouseMove, {25, 30}, Qt::LeftButton);
    Send(port, QEvent::MouseMove, {30, 32}, Qt::LeftButton);
    Send(port, QEvent::MouseButtonRelease, {30, 32}, Qt::NoButton);
    QApplication::processEvents();

    const QPoint c = view.Session().centre; // mirror copies land at 2 cx - x
    ASSERT_EQ(doc.GlobCount(), 6);
    EXPECT_EQ(QPoint(doc.GetGlob(1).x, doc.GetGlob(1).y), QPoint(2 * c.x() - 20, 30));
    EXPECT_EQ(QPoint(doc.GetGlob(4).x, doc.GetGlob(4).y), QPoint(30, 32));
    EXPECT_EQ(doc.CurrentSections().count, 1);
    const QImage& image = view.Session().canvas.DrawingImage();
    EXPECT_EQ(image.pixel(25, 30), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2 * c.x() - 25, 30), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(100, 90), qRgb(0, 0, 40));
    // What the window shows is the drawing image.
    const QImage shown = port->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(25, 30), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(100, 90), qRgb(0, 0, 40));
}

} // namespace

namespace {

// On a screen at 200 % every drawing pixel becomes a 2 x 2 block of its own colour: the
// window never smooths the picture.
TEST(DrawingView, AtTwiceTheScaleEachDrawingPixelIsASharpBlock)
{
    SessionFixture f;
    CDaubrixDoc doc(f.shapes);
    doc.NewDrawing(60, 40);
    f.modes.symmetry.polar = false;
    CDaubrixView view(doc, DrawingTools{f.shapes, f.modes, f.autoChange, f.random, nullptr});
    view.resize(120, 90); // room for the whole drawing
    view.show();
    QApplication::processEvents();
    QWidget* port = view.viewport();
    Send(port, QEvent::MouseButtonPress, {20, 15}, Qt::LeftButton);
    Send(port, QEvent::MouseMove, {30, 20}, Qt::LeftButton);
    Send(port, QEvent::MouseButtonRelease, {30, 20}, Qt::NoButton);
    QApplication::processEvents();

    const QImage& image = view.Session().canvas.DrawingImage();
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

} // namespace

namespace {

// Scroll bars appear only where the drawing does not fit, also after the window was smaller.
TEST(DrawingView, ScrollBarsOnlyWhereTheDrawingDoesNotFit)
{
    SessionFixture f;
    CDaubrixDoc doc(f.shapes);
    doc.NewDrawing(200, 100);
    CDaubrixView view(doc, DrawingTools{f.shapes, f.modes, f.autoChange, f.random, nullptr});
    view.show();
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

} // namespace
