#include "imaging/JpegFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// The library reports fatal errors through error_exit, which must not return. Ours keeps the
// library's text and jumps back to the routine that started the work, so a bad file never
// ends the program. Only plain C data lives between setjmp and longjmp.
struct JpegErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool tooLarge;
};

JpegErrorManager& ErrorManagerOf(j_common_ptr info)
{
    return *reinterpret_cast<JpegErrorManager*>(info->err);
}

[[noreturn]] void JumpBack(j_common_ptr info)
{
    JpegErrorManager& err = ErrorManagerOf(info);
    (*info->err->format_message)(info, err.message);
    std::longjmp(err.jump, 1);
}

[[noreturn]] void JumpBackTooLarge(j_common_ptr info)
{
    ErrorManagerOf(info).tooLarge = true;
    std::longjmp(ErrorManagerOf(info).jump, 1);
}

// Warnings are counted, never printed; a file cut short is treated as the error it is.
void EmitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    if (info->err->msg_code == JWRN_JPEG_EOF)
        JumpBack(info);
    ++info->err->num_warnings;
}

void CheckScanCount(j_common_ptr info)
{
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxJpegScans)
        JumpBackTooLarge(info);
}

void InstallErrorManager(jpeg_error_mgr*& slot, JpegErrorManager& err)
{
    slot = jpeg_std_error(&err.base);
    err.base.error_exit = JumpBack;
    err.base.emit_message = EmitMessage;
    err.message[0] = '\0';
    err.tooLarge = false;
}

enum class Outcome
{
    Done,
    LibraryError,
    TooLarge,
};

Outcome FailureOutcome(const JpegErrorManager& err)
{
    return err.tooLarge ? Outcome::TooLarge : Outcome::LibraryError;
}

ImageStatus StatusOf(Outcome outcome, const JpegErrorManager& err)
{
    switch (outcome) {
    case Outcome::Done:
        return ImageStatus::Success();
    case Outcome::TooLarge:
        return ImageStatus::Failure(kPictureTooLargeText, MessageIcon::Stop);
    case Outcome::LibraryError:
        break;
    }
    return ImageStatus::Failure(QString::fromLocal8Bit(err.message), MessageIcon::Stop, kJpegErrorTitle);
}

void ReadRows(jpeg_decompress_struct& info, QImage& image)
{
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
}

// Blue-green-red-pad samples are exactly the bytes of an RGB32 scan line (the library sets
// the pad byte to 0xFF), so rows go straight into the image without a copy.
Outcome RunDecompress(jpeg_decompress_struct& info, JpegErrorManager& err, jpeg_progress_mgr& progress,
                      const QByteArray& bytes, QImage& image, qint64 maxPixels)
{
    if (setjmp(err.jump))
        return FailureOutcome(err);
    jpeg_create_decompress(&info);
    info.progress = &progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (qint64(info.image_width) * qint64(info.image_height) > maxPixels)
        return Outcome::TooLarge;
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull())
        return Outcome::TooLarge;
    ReadRows(info, image);
    jpeg_finish_decompress(&info);
    return Outcome::Done;
}

// Collects the compressed stream in a QByteArray that doubles as it fills.
struct ByteArrayDestination
{
    jpeg_destination_mgr base;
    QByteArray* bytes;
};

constexpr qsizetype kFirstChunk = 64 * 1024;

ByteArrayDestination& DestinationOf(j_compress_ptr info)
{
    return *reinterpret_cast<ByteArrayDestination*>(info->dest);
}

void PointAtFreeSpace(ByteArrayDestination& dest, qsizetype used)
{
    dest.base.next_output_byte = reinterpret_cast<JOCTET*>(dest.bytes->data()) + used;
    dest.base.free_in_buffer = size_t(dest.bytes->size() - used);
}

void InitDestination(j_compress_ptr info)
{
    ByteArrayDestination& dest = DestinationOf(info);
    dest.bytes->resize(kFirstChunk);
    PointAtFreeSpace(dest, 0);
}

boolean EmptyOutputBuffer(j_compress_ptr info)
{
    ByteArrayDestination& dest = DestinationOf(info);
    const qsizetype used = dest.bytes->size();
    dest.bytes->resize(used * 2);
    PointAtFreeSpace(dest, used);
    return TRUE;
}

void TermDestination(j_compress_ptr info)
{
    ByteArrayDestination& dest = DestinationOf(info);
    dest.bytes->resize(dest.bytes->size() - qsizetype(dest.base.free_in_buffer));
}

void WriteRows(jpeg_compress_struct& info, const QImage& rgb)
{
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
}

Outcome RunCompress(jpeg_compress_struct& info, JpegErrorManager& err, ByteArrayDestination& dest,
                    const QImage& rgb, int quality)
{
    if (setjmp(err.jump))
        return FailureOutcome(err);
    jpeg_create_compress(&info);
    info.dest = &dest.base;
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    WriteRows(info, rgb);
    jpeg_finish_compress(&info);
    return Outcome::Done;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

ImageStatus DecodeJpeg(const QByteArray& bytes, QImage& image, qint64 maxPixels)
{
    jpeg_decompress_struct info{};
    JpegErrorManager err;
    InstallErrorManager(info.err, err);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = CheckScanCount;
    const Outcome outcome = RunDecompress(info, err, progress, bytes, image, maxPixels);
    jpeg_destroy_decompress(&info);
    if (outcome != Outcome::Done)
        image = QImage();
    return StatusOf(outcome, err);
}

ImageStatus EncodeJpeg(const QImage& picture, int quality, QByteArray& bytes)
{
    bytes.clear();
    if (picture.isNull())
        return ImageStatus::Failure({}, MessageIcon::None);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info{};
    JpegErrorManager err;
    InstallErrorManager(info.err, err);
    ByteArrayDestination dest{{nullptr, 0, InitDestination, EmptyOutputBuffer, TermDestination}, &bytes};
    const Outcome outcome = RunCompress(info, err, dest, rgb, std::clamp(quality, 0, 100));
    jpeg_destroy_compress(&info);
    if (outcome != Outcome::Done)
        bytes.clear();
    return StatusOf(outcome, err);
}

ImageStatus ReadJpegFile(const QString& path, QImage& image)
{
    image = QImage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImageStatus::Failure(kCantOpenFileText, MessageIcon::Stop);
    if (file.size() > kMaxJpegFileBytes)
        return ImageStatus::Failure(kPictureTooLargeText, MessageIcon::Stop);
    // Mapping spares a copy of the file; devices that cannot be mapped are read instead.
    const uchar* mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr;
    const QByteArray bytes = mapped
        ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), file.size())
        : file.read(kMaxJpegFileBytes);
    return DecodeJpeg(bytes, image);
}

ImageStatus WriteJpegFile(const QString& path, int quality, const QImage& picture)
{
    QByteArray bytes;
    const ImageStatus status = EncodeJpeg(picture, quality, bytes);
    if (!status.ok)
        return status;
    if (!WriteWholeFile(path, bytes))
        return ImageStatus::Failure(kErrorWritingJpgText, MessageIcon::None);
    return ImageStatus::Success();
}
