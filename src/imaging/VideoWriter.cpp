#include "imaging/VideoWriter.h"

#include <QFile>

#ifdef DAUBRIX_HAVE_FFMPEG
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}
#endif

namespace
{
ImageStatus Failed()
{
    return ImageStatus::Failure(QStringLiteral("Error writing file"), MessageIcon::Critical);
}

QString PartName(const QString& path)
{
    return path + QStringLiteral(".part");
}
} // namespace

#ifdef DAUBRIX_HAVE_FFMPEG

// The FFmpeg objects of one video, freed together.
struct VideoWriter::Encoder
{
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    QSize source;
    int64_t next = 0;

    ~Encoder()
    {
        if (format && format->pb)
            avio_closep(&format->pb);
        avformat_free_context(format);
        avcodec_free_context(&codec);
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_packet_free(&packet);
    }

    bool Open(const QString& path, MovieKind kind, QSize size, int fps);
    bool Send(const AVFrame* picture); // null: the end, the encoder gives up what it holds
};

namespace
{
const AVCodec* FindEncoder(MovieKind kind)
{
    const AVCodec* codec = avcodec_find_encoder_by_name(kind == MovieKind::WebM ? "libvpx-vp9" : "libx264");
    return codec ? codec : avcodec_find_encoder(kind == MovieKind::WebM ? AV_CODEC_ID_VP9 : AV_CODEC_ID_H264);
}

void Tune(AVCodecContext& codec, MovieKind kind)
{
    if (kind == MovieKind::WebM) {
        av_opt_set(codec.priv_data, "deadline", "realtime", 0);
        av_opt_set_int(codec.priv_data, "cpu-used", 8, 0);
        av_opt_set_int(codec.priv_data, "crf", 32, 0);
        av_opt_set_int(codec.priv_data, "row-mt", 1, 0);
        codec.bit_rate = 0;
    } else {
        av_opt_set(codec.priv_data, "preset", "veryfast", 0);
        av_opt_set(codec.priv_data, "crf", "20", 0);
    }
}
} // namespace

bool VideoWriter::Encoder::Open(const QString& path, MovieKind kind, QSize size, int fps)
{
    source = size;
    av_log_set_level(AV_LOG_ERROR); // the encoders' reports are no business of the user's
    const QByteArray file = QFile::encodeName(path);
    const char* container = kind == MovieKind::WebM ? "webm" : "mp4";
    const AVCodec* encoder = FindEncoder(kind);
    if (!encoder || avformat_alloc_output_context2(&format, nullptr, container, file.constData()) < 0)
        return false;
    stream = avformat_new_stream(format, nullptr);
    codec = avcodec_alloc_context3(encoder);
    if (!stream || !codec)
        return false;
    codec->width = size.width() & ~1;
    codec->height = size.height() & ~1;
    codec->time_base = AVRational{1, fps};
    codec->framerate = AVRational{fps, 1};
    codec->pix_fmt = AV_PIX_FMT_YUV420P;
    codec->gop_size = 2 * fps;
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Tune(*codec, kind);
    if (avcodec_open2(codec, encoder, nullptr) < 0 || avcodec_parameters_from_context(stream->codecpar, codec) < 0)
        return false;
    stream->time_base = codec->time_base;
    if (avio_open(&format->pb, file.constData(), AVIO_FLAG_WRITE) < 0 || avformat_write_header(format, nullptr) < 0)
        return false;
    scaler = sws_getContext(size.width(), size.height(), AV_PIX_FMT_BGR0, codec->width, codec->height,
                            AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (!scaler || !frame || !packet)
        return false;
    frame->format = codec->pix_fmt;
    frame->width = codec->width;
    frame->height = codec->height;
    return av_frame_get_buffer(frame, 0) >= 0;
}

bool VideoWriter::Encoder::Send(const AVFrame* picture)
{
    if (avcodec_send_frame(codec, picture) < 0)
        return false;
    for (;;) {
        const int got = avcodec_receive_packet(codec, packet);
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
            return true;
        if (got < 0)
            return false;
        if (packet->duration <= 0)
            packet->duration = 1; // one frame: without it a player drops the last frame
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        if (av_interleaved_write_frame(format, packet) < 0)
            return false;
    }
}

bool VideoWriter::Available()
{
    return true;
}

ImageStatus VideoWriter::Start(QSize frameSize, int framesPerSecond)
{
    m_encoder = std::make_unique<Encoder>();
    if (frameSize.width() < 2 || frameSize.height() < 2 || framesPerSecond < 1
        || !m_encoder->Open(PartName(m_path), m_kind, frameSize, framesPerSecond)) {
        Abandon();
        return Failed();
    }
    return ImageStatus::Success();
}

ImageStatus VideoWriter::Add(const QImage& picture)
{
    if (!m_encoder || picture.size() != m_encoder->source)
        return Failed();
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    AVFrame* frame = m_encoder->frame;
    const uint8_t* rows[1] = {rgb.constBits()};
    const int strides[1] = {int(rgb.bytesPerLine())};
    if (av_frame_make_writable(frame) < 0)
        return Failed();
    sws_scale(m_encoder->scaler, rows, strides, 0, rgb.height(), frame->data, frame->linesize);
    frame->pts = m_encoder->next++;
    return m_encoder->Send(frame) ? ImageStatus::Success() : Failed();
}

ImageStatus VideoWriter::Finish()
{
    if (!m_encoder || !m_encoder->Send(nullptr) || av_write_trailer(m_encoder->format) < 0) {
        Abandon();
        return Failed();
    }
    m_encoder.reset(); // closes the file
    QFile::remove(m_path);
    if (!QFile::rename(PartName(m_path), m_path)) {
        QFile::remove(PartName(m_path));
        return Failed();
    }
    return ImageStatus::Success();
}

#else // without FFmpeg's libraries there is no video, only picture sequences

struct VideoWriter::Encoder
{
};

bool VideoWriter::Available()
{
    return false;
}

ImageStatus VideoWriter::Start(QSize, int)
{
    return ImageStatus::Failure(QStringLiteral("This build of Daubrix cannot write videos."), MessageIcon::Critical);
}

ImageStatus VideoWriter::Add(const QImage&)
{
    return Failed();
}

ImageStatus VideoWriter::Finish()
{
    return Failed();
}

#endif

VideoWriter::VideoWriter(QString path, MovieKind kind) : m_path(std::move(path)), m_kind(kind) {}

VideoWriter::~VideoWriter()
{
    if (m_encoder)
        Abandon();
}

void VideoWriter::Abandon()
{
    m_encoder.reset();
    QFile::remove(PartName(m_path));
}
