// Writes an example drawing (a polar flower with a mirrored border) to the file named on the
// command line, drawn through the same stroke engine the program uses.
#include <cstdio>

#include <QCoreApplication>
#include <QFileInfo>

#include "app/HeadlessDrawing.h"
#include "view/DrawingModes.h"
#include "view/DrawingSession.h"

namespace {

void Stroke(DrawingSession& session, QPoint from, QPoint step, int moves)
{
    session.Strokes().Press(from, {});
    for (int i = 1; i <= moves; ++i)
        session.Strokes().Move(from + step * i, {});
    session.Strokes().Release();
}

void Draw(HeadlessDrawing& d)
{
    DrawingModes modes;
    AutoChangeState drift;
    drift.Channel(AutoChannel::Hue).mode = AutoUpDown;
    drift.Channel(AutoChannel::Hue).speed = 9;
    ShapeTable& shapes = d.Shapes();
    DrawingSession session(d.Doc(), DrawingTools{shapes, modes, drift, d.Random(), nullptr});
    session.InitialUpdate();
    shapes.Current().SetColorLater(HsvColor{20, 230, 250});
    drift.StartAutoChange(AutoChannel::Hue, shapes.Current().Color(), d.Random());
    modes.symmetry.polarCount = 8;
    for (int r = 0; r < 6; ++r)
        Stroke(session, session.Centre() + QPoint(10 + 22 * r, 0), QPoint(2, 3), 25);
    modes.symmetry.polar = false;
    modes.symmetry.mirrorBoth = true;
    modes.jitter = false;
    shapes.SetCurrentIndex(shapes.SelectByPosition(2));
    shapes.Current().SetColorLater(HsvColor{200, 200, 230});
    Stroke(session, QPoint(12, 12), QPoint(6, 0), 50);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: make_example_drawing OUT.dbr\n");
        return 2;
    }
    HeadlessDrawing d(1);
    QString message;
    const QString folder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() + QLatin1Char('/');
    if (!d.LoadShapes(folder, message) || !d.Doc().NewDrawing(640, 480)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 1;
    }
    d.Doc().SetBackgroundColor(MakeRgb(16, 24, 40));
    Draw(d);
    if (!d.Save(QString::fromLocal8Bit(argv[1]), message)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return 1;
    }
    return 0;
}
