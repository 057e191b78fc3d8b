#include "imaging/MovieOutput.h"

#include <QFileInfo>

#include "imaging/PngSequenceWriter.h"
#include "imaging/VideoWriter.h"

MovieKind MovieKindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mp4"))
        return MovieKind::Mp4;
    if (suffix == QLatin1String("webm"))
        return MovieKind::WebM;
    return MovieKind::PngSequence;
}

std::unique_ptr<MovieWriter> MakeMovieWriter(const QString& path)
{
    const MovieKind kind = MovieKindOf(path);
    if (kind == MovieKind::PngSequence)
        return std::make_unique<PngSequenceWriter>(path);
    return std::make_unique<VideoWriter>(path, kind);
}

bool CanWriteVideo()
{
    return VideoWriter::Available();
}
