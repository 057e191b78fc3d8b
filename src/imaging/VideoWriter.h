#pragma once

#include <memory>

#include "imaging/MovieWriter.h"

// A movie as a video file through FFmpeg's own libraries: H.264 in MP4, or VP9 in WebM, in
// 4:2:0 colour (so an odd width or height loses its last column or row).
class VideoWriter final : public MovieWriter
{
public:
    VideoWriter(QString path, MovieKind kind);
    ~VideoWriter() override;

    // Whether this build can write videos (it has FFmpeg's libraries).
    static bool Available();

    ImageStatus Start(QSize frameSize, int framesPerSecond) override;
    ImageStatus Add(const QImage& frame) override;
    ImageStatus Finish() override;
    void Abandon() override;

private:
    struct Encoder;
    QString m_path;
    MovieKind m_kind;
    std::unique_ptr<Encoder> m_encoder;
};
