#include <QApplication>
#include <QMdiArea>

#include "ShellFixture.h"
#include "app/DaubrixDrawingDocument.h"
#include "shapes/ShapeTable.h"
#include "app/ui/CChildFrame.h"
#include "app/ui/CPlaceholderView.h"

namespace
{
class ChildFrameTest : public ShellFixture
{
protected:
    QMdiArea area;
    ShapeTable shapes;
    DaubrixDrawingDocument document{shapes, false, MessageSink()};

    CChildFrame* AddFrame(QSize drawing)
    {
        document.InitNew(drawing);
        auto* view = new CPlaceholderView(document);
        auto* frame = new CChildFrame(view, *view);
        area.addSubWindow(frame);
        frame->show();
        QApplication::processEvents();
        return frame;
    }
};
} // namespace

TEST_F(ChildFrameTest, RestoredWindowCannotGrowBeyondItsDrawing)
{
    area.resize(900, 700);
    area.show();
    CChildFrame* frame = AddFrame(QSize(300, 200));
    const QMargins border = frame->contentsMargins();
    frame->resize(800, 600);
    EXPECT_EQ(frame->size(), QSize(300, 200).grownBy(border));
    EXPECT_EQ(frame->widget()->size(), QSize(300, 200));
}

TEST_F(ChildFrameTest, MaximisedWindowCentresTheDrawingAndRestoringUndoesIt)
{
    area.resize(700, 600);
    area.show();
    QApplication::processEvents();
    const QSize workspace = area.viewport()->size();
    CChildFrame* frame = AddFrame(QSize(workspace.width() - 101, workspace.height() + 50));
    auto* view = static_cast<CPlaceholderView*>(frame->widget());
    frame->showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(frame->IsMaximizedFrame());
    EXPECT_EQ(view->DrawingOffset(), QPoint(-50, 0)); // taller than the workspace: not moved
    frame->showNormal();
    QApplication::processEvents();
    EXPECT_FALSE(frame->IsMaximizedFrame());
    EXPECT_EQ(view->DrawingOffset(), QPoint(0, 0));
    EXPECT_EQ(frame->maximumSize(), frame->MaximumRestoredSize());
}
