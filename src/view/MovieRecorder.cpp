#include "view/MovieRecorder.h"

#include <algorithm>

#include "imaging/MovieWriter.h"
#include "model/CDaubrixDoc.h"
#include "view/DrawingCanvas.h"
#include "view/MovieFrames.h"

namespace
{
QSize FrameSize(QSize drawing, bool half)
{
    return half ? QSize(std::max(1, drawing.width() / 2), std::max(1, drawing.height() / 2)) : drawing;
}

MovieResult Stopped(MovieWriter& writer, MovieOutcome outcome, ImageStatus status = {})
{
    writer.Abandon();
    return {outcome, std::move(status), 0};
}
} // namespace

MovieResult RecordMovie(const MovieSource& source, const MovieSettings& settings, MovieWriter& writer,
                        const MovieProgress& progress)
{
    const std::vector<int> plan =
        PlanMovie(settings, source.globCount, source.doc.Records().CurrentSections());
    const QSize size = FrameSize(source.canvas.Size(), settings.halfSize);
    if (ImageStatus started = writer.Start(size, settings.framesPerSecond); !started.ok)
        return Stopped(writer, MovieOutcome::Failed, std::move(started));
    MovieFrames frames(source.canvas, source.shapes, source.globCount);
    for (size_t i = 0; i < plan.size(); ++i) {
        const QImage& picture = frames.ShowUpTo(plan[i]);
        ImageStatus added = writer.Add(settings.halfSize
                                           ? picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                           : picture);
        if (!added.ok)
            return Stopped(writer, MovieOutcome::Failed, std::move(added));
        if (progress && !progress(int((i + 1) * 100 / plan.size())))
            return Stopped(writer, MovieOutcome::Cancelled);
    }
    if (ImageStatus finished = writer.Finish(); !finished.ok)
        return Stopped(writer, MovieOutcome::Failed, std::move(finished));
    return {MovieOutcome::Done, ImageStatus::Success(), int(plan.size())};
}
