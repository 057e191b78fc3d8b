#include "shapes/CShape.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "color/ColorConversion.h"

namespace {

constexpr int kCursorSize = 32;
constexpr size_t kTonesAtOnce = 4;
constexpr int kCursorOffset = 2; // the shape's top-left in the cursor, leaving room for the outline

// Four tones of a shape in one colour: saturation factor sf and value factor vf scale each
// tone's own saturation s and value v as Recolor does, then HueConversion::ToRgb's steps give
// the channels, four at a time where the processor allows, with the same rounding.
void ShadeFourTones(const float* s, const float* v, float sf, float vf, const HueConversion::Weights& weights,
                    QRgb* out)
{
#if defined(__SSE2__)
    const __m128 one = _mm_set1_ps(1.0f);
    const __m128 toneS = _mm_loadu_ps(s);
    const __m128 saturation = _mm_mul_ps(_mm_set1_ps(sf), toneS);
    const __m128 value = _mm_mul_ps(_mm_add_ps(_mm_mul_ps(_mm_set1_ps(vf), toneS), _mm_sub_ps(one, toneS)),
                                    _mm_loadu_ps(v));
    const auto channel = [&](float weight) {
        const __m128 c = _mm_mul_ps(value, _mm_sub_ps(one, _mm_mul_ps(saturation, _mm_set1_ps(weight))));
        const __m128d scale = _mm_set1_pd(255.0);
        const __m128i low = _mm_cvttpd_epi32(_mm_mul_pd(_mm_cvtps_pd(c), scale));
        const __m128i high = _mm_cvttpd_epi32(_mm_mul_pd(_mm_cvtps_pd(_mm_movehl_ps(c, c)), scale));
        return _mm_and_si128(_mm_unpacklo_epi64(low, high), _mm_set1_epi32(0xFF));
    };
    const __m128i pixels = _mm_or_si128(
        _mm_or_si128(_mm_set1_epi32(int(0xFF000000u)), _mm_slli_epi32(channel(weights.red), 16)),
        _mm_or_si128(_mm_slli_epi32(channel(weights.green), 8), channel(weights.blue)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), pixels);
#else
    for (size_t k = 0; k < kTonesAtOnce; ++k) {
        const float saturation = sf * s[k];
        const float value = (vf * s[k] + (1.0f - s[k])) * v[k];
        out[k] = qRgb(HueConversion::Channel(saturation, value, weights.red),
                      HueConversion::Channel(saturation, value, weights.green),
                      HueConversion::Channel(saturation, value, weights.blue));
    }
#endif
}

QImage MakeMonoImage()
{
    QImage image(kCursorSize, kCursorSize, QImage::Format_Mono);
    if (image.isNull())
        return image;
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    return image;
}

} // namespace

CShape::CShape(QString name, QImage bitmap)
    : m_name(std::move(name))
{
    if (!bitmap.isNull())
        m_source = bitmap.convertToFormat(QImage::Format_RGB32);
}

bool CShape::Prepare()
{
    if (m_prepared)
        return true;
    if (!HasBitmap()) {
        m_prepared = true;
        return true;
    }
    const QRgb background = m_source.pixel(0, 0);
    BuildRuns(background);
    BuildTones();
    BuildCursor(background);
    if (m_cursorImage.isNull() || m_cursorMask.isNull())
        return false;

    // The coloured copy starts as the file's own pixels on black.
    m_colored = QImage(m_source.size(), QImage::Format_RGB32);
    if (m_colored.isNull())
        return false;
    m_colored.fill(qRgb(0, 0, 0));
    for (const Run& run : m_runs) {
        std::memcpy(reinterpret_cast<QRgb*>(m_colored.scanLine(run.y)) + run.x,
                    reinterpret_cast<const QRgb*>(m_source.constScanLine(run.y)) + run.x,
                    size_t(run.length) * sizeof(QRgb));
    }
    BuildStamp();
    BuildPieces();
    m_prepared = true;
    return true;
}

bool CShape::IsShapePixel(int x, int y, QRgb background) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return false;
    return reinterpret_cast<const QRgb*>(m_source.constScanLine(y))[x] != background;
}

void CShape::BuildRuns(QRgb background)
{
    m_runs.clear();
    int pixels = 0;
    for (int y = 0; y < Height(); ++y) {
        int x = 0;
        while (x < Width()) {
            if (!IsShapePixel(x, y, background)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < Width() && IsShapePixel(x, y, background))
                ++x;
            m_runs.push_back({y, start, x - start, pixels});
            pixels += x - start;
        }
    }
}

void CShape::BuildStamp()
{
    m_width = Width();
    m_height = Height();
    m_stamp.assign(size_t(m_width) * size_t(m_height), 0);
    for (const Run& run : m_runs) {
        std::memcpy(&m_stamp[size_t(run.y) * size_t(m_width) + size_t(run.x)],
                    reinterpret_cast<const QRgb*>(m_colored.constScanLine(run.y)) + run.x,
                    size_t(run.length) * sizeof(QRgb));
    }
}

void CShape::BuildPieces()
{
    m_stampTone.assign(m_stamp.size(), 0);
    const std::uint32_t* tone = m_pixelTone.data();
    for (const Run& run : m_runs) {
        for (int i = 0; i < run.length; ++i)
            m_stampTone[size_t(run.y) * size_t(m_width) + size_t(run.x + i)] = *tone++;
    }
    m_pieces4.clear();
    m_pieces2.clear();
    m_pieces1.clear();
    for (const Run& run : m_runs) {
        auto piece = [&](int x) { return Piece{run.y, x, run.y * m_width + x}; };
        const int end = run.x + run.length;
        if (run.length >= 4) {
            for (int x = run.x; x + 4 < end; x += 4)
                m_pieces4.push_back(piece(x));
            m_pieces4.push_back(piece(end - 4));
        } else if (run.length >= 2) {
            m_pieces2.push_back(piece(run.x));
            m_pieces2.push_back(piece(end - 2));
        } else {
            m_pieces1.push_back(piece(run.x));
        }
    }
}

void CShape::BuildTones()
{
    std::unordered_map<std::uint64_t, std::uint32_t> toneOf;
    m_toneSaturation.clear();
    m_toneValue.clear();
    m_pixelTone.clear();
    for (const Run& run : m_runs) {
        const auto* row = reinterpret_cast<const QRgb*>(m_source.constScanLine(run.y));
        for (int x = run.x; x < run.x + run.length; ++x) {
            const HsvFractions f = RgbToHsv(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
            const std::uint64_t key = std::uint64_t(std::bit_cast<std::uint32_t>(f.saturation)) << 32
                | std::bit_cast<std::uint32_t>(f.value);
            auto [it, added] = toneOf.try_emplace(key, std::uint32_t(m_toneSaturation.size()));
            if (added) {
                m_toneSaturation.push_back(f.saturation);
                m_toneValue.push_back(f.value);
            }
            m_pixelTone.push_back(it->second);
        }
    }
    // Tones are shaded four at a time; the padding tones are never drawn.
    while (m_toneSaturation.size() % kTonesAtOnce != 0) {
        m_toneSaturation.push_back(0.0f);
        m_toneValue.push_back(0.0f);
    }
}

// The outline is a white line one pixel wide around the shape (its neighbours along the axes)
// and a black line outside that (two pixels along the axes); the shape itself and everything
// else is transparent, so the user sees where the glob will land.
void CShape::BuildCursor(QRgb background)
{
    m_cursorImage = MakeMonoImage();
    m_cursorMask = MakeMonoImage();
    if (m_cursorImage.isNull() || m_cursorMask.isNull())
        return;
    auto shapeAt = [&](int x, int y) { return IsShapePixel(x, y, background); };
    for (int cy = 0; cy < kCursorSize; ++cy) {
        for (int cx = 0; cx < kCursorSize; ++cx) {
            const int x = cx - kCursorOffset;
            const int y = cy - kCursorOffset;
            if (shapeAt(x, y))
                continue;
            const bool near = shapeAt(x - 1, y) || shapeAt(x + 1, y) || shapeAt(x, y - 1) || shapeAt(x, y + 1);
            const bool far = shapeAt(x - 2, y) || shapeAt(x + 2, y) || shapeAt(x, y - 2) || shapeAt(x, y + 2);
            if (near) {
                m_cursorMask.setPixel(cx, cy, 1);
            } else if (far) {
                m_cursorMask.setPixel(cx, cy, 1);
                m_cursorImage.setPixel(cx, cy, 1);
            }
        }
    }
    const int hotX = std::clamp(Width() / 2 + kCursorOffset, 0, kCursorSize - 1);
    const int hotY = std::clamp(Height() / 2 + kCursorOffset, 0, kCursorSize - 1);
    m_cursorHotSpot = QPoint(hotX, hotY);
}


// Background pixels of the shape leave the target as it is and shape pixels take the shape's
// colour (what masking and colouring the work area amounts to), so only the shape's runs
// are written. A glob inside the target is stamped by its pieces; one that crosses an edge
// of the image or band goes run by run: write(out, run, skip, length) writes `length`
// pixels of `run` from its pixel `skip` on. Worked out in 64 bits so that no position,
// however far off, overflows.
template <typename WriteRun>
void CShape::StampClipped(const StampTarget& target, int x, int y, WriteRun&& write) const
{
    if (!target.bits)
        return;
    const qint64 left = qint64(x) - m_width / 2;
    const qint64 top = qint64(y) - m_height / 2;
    uchar* bits = target.bits;
    const qsizetype stride = target.stride;
    const int rowsFrom = std::max(target.top, 0);
    const int rowsTo = std::min(target.bottom, target.height);
    if (left >= target.width || top >= rowsTo || left + m_width <= 0 || top + m_height <= rowsFrom)
        return;
    // From here on the glob overlaps the image, so every coordinate fits an int.
    for (const Run& run : m_runs) {
        const qint64 ty = top + run.y;
        if (ty < rowsFrom || ty >= rowsTo)
            continue;
        const qint64 from = std::max<qint64>(left + run.x, 0);
        const qint64 to = std::min<qint64>(left + run.x + run.length, target.width);
        if (from < to)
            write(reinterpret_cast<QRgb*>(bits + ty * stride) + from, run, int(from - left - run.x), int(to - from));
    }
}

template <typename Fill>
void CShape::WritePieces(uchar* origin, qsizetype stride, Fill&& fill) const
{
    const auto write = [&]<int kPixels>(const std::vector<Piece>& pieces) {
        // Locals, so that the copies (which may alias anything) do not make the loop reload them.
        const Piece* piece = pieces.data();
        const Piece* const end = piece + pieces.size();
        for (; piece != end; ++piece) {
            QRgb block[kPixels];
            fill(block, piece->from, kPixels);
            __builtin_memcpy(origin + piece->y * stride + piece->x * 4, block, sizeof block);
        }
    };
    write.template operator()<4>(m_pieces4);
    write.template operator()<2>(m_pieces2);
    write.template operator()<1>(m_pieces1);
}

template <typename Fill, typename WriteRun>
QRect CShape::StampWith(const StampTarget& target, int x, int y, Fill&& fill, WriteRun&& write) const
{
    const qint64 left = qint64(x) - m_width / 2;
    const qint64 top = qint64(y) - m_height / 2;
    if (Inside(target, left, top))
        WritePieces(target.bits + top * target.stride + left * 4, target.stride, fill);
    else
        StampClipped(target, x, y, write);
    return Covered(x, y);
}

QRect CShape::DrawStamp(const StampTarget& target, int x, int y, const ShapeStamp& stamp) const
{
    if (!m_prepared || m_width == 0 || stamp.size() != m_stamp.size())
        return QRect();
    const QRgb* pixels = stamp.data();
    return StampWith(
        target, x, y, [&](QRgb* block, int from, int count) { std::memcpy(block, pixels + from, size_t(count) * 4); },
        [&](QRgb* out, const Run& run, int skip, int length) {
            std::memcpy(out, pixels + qsizetype(run.y) * m_width + run.x + skip, size_t(length) * sizeof(QRgb));
        });
}

QRect CShape::DrawToned(const StampTarget& target, int x, int y, const ToneColors& tones) const
{
    if (!m_prepared || m_width == 0 || tones.size() != m_toneSaturation.size())
        return QRect();
    const QRgb* colors = tones.data();
    const std::uint32_t* toneAt = m_stampTone.data();
    const std::uint32_t* tone = m_pixelTone.data();
    return StampWith(
        target, x, y,
        [&](QRgb* block, int from, int count) {
            for (int i = 0; i < count; ++i)
                block[i] = colors[toneAt[from + i]];
        },
        [&](QRgb* out, const Run& run, int skip, int length) {
            const std::uint32_t* first = tone + run.firstPixel + skip;
            for (int i = 0; i < length; ++i)
                out[i] = colors[first[i]];
        });
}

template <int kPixels>
void CShape::CompilePieces(const std::vector<Piece>& pieces, qsizetype stride, const std::uint32_t* toneAt,
                           const QRgb* colors, std::vector<CompiledStamp::Block<kPixels>>& blocks)
{
    blocks.resize(pieces.size());
    for (size_t k = 0; k < pieces.size(); ++k) {
        const Piece& piece = pieces[k];
        blocks[k].offset = piece.y * stride + piece.x * 4;
        for (int i = 0; i < kPixels; ++i)
            blocks[k].pixels[i] = colors[toneAt[piece.from + i]];
    }
}


void CShape::CompileStamp(const ToneColors& tones, qsizetype stride, CompiledStamp& stamp) const
{
    stamp.stride = -1;
    if (!m_prepared || tones.size() != m_toneSaturation.size())
        return;
    CompilePieces<4>(m_pieces4, stride, m_stampTone.data(), tones.data(), stamp.four);
    CompilePieces<2>(m_pieces2, stride, m_stampTone.data(), tones.data(), stamp.two);
    CompilePieces<1>(m_pieces1, stride, m_stampTone.data(), tones.data(), stamp.one);
    stamp.stride = stride;
}

QRect CShape::DrawCompiled(const StampTarget& target, int x, int y, const CompiledStamp& stamp,
                           const ToneColors& tones) const
{
    if (!m_prepared || !DrawCompiledInside(target, x, y, stamp))
        return DrawToned(target, x, y, tones);
    return Covered(x, y);
}

void CShape::ShadeTones(int hue, int saturation, int value, ToneColors& tones) const
{
    tones.resize(m_toneSaturation.size());
    const float saturationFactor = ByteFraction(std::clamp(saturation, 0, 255));
    const float valueFactor = ByteFraction(std::clamp(value, 0, 255));
    const HueConversion conversion(std::clamp(hue, 0, 360));
    for (size_t k = 0; k < tones.size(); k += kTonesAtOnce) {
        ShadeFourTones(&m_toneSaturation[k], &m_toneValue[k], saturationFactor, valueFactor,
                       conversion.ChannelWeights(), &tones[k]);
    }
}

void CShape::PaintStampFromTones(const ToneColors& tones, ShapeStamp& stamp) const
{
    stamp.resize(m_stamp.size());
    if (!m_prepared || !HasBitmap() || tones.size() != m_toneSaturation.size())
        return;
    const std::uint32_t* tone = m_pixelTone.data();
    for (const Run& run : m_runs) {
        QRgb* pixels = stamp.data() + qsizetype(run.y) * m_width + run.x;
        for (int i = 0; i < run.length; ++i)
            pixels[i] = tones[*tone++];
    }
}

void CShape::PaintStamp(int hue, int saturation, int value, ShapeStamp& stamp) const
{
    ToneColors tones;
    ShadeTones(hue, saturation, value, tones);
    PaintStampFromTones(tones, stamp);
}

void CShape::Recolor(int hue, int saturation, int value)
{
    if (!m_prepared || !HasBitmap())
        return;
    PaintStamp(hue, saturation, value, m_stamp);
    uchar* bits = m_colored.bits();
    const qsizetype stride = m_colored.bytesPerLine();
    for (const Run& run : m_runs)
        std::memcpy(bits + run.y * stride + run.x * 4, m_stamp.data() + qsizetype(run.y) * m_width + run.x,
                    size_t(run.length) * 4);
}

void CShape::SetColor(const HsvColor& color)
{
    m_color = color;
    Recolor(color.hue, color.saturation, color.value);
    m_recolorPending = !m_prepared;
}

void CShape::SetColorLater(const HsvColor& color)
{
    m_color = color;
    m_recolorPending = true;
}

void CShape::RefreshColored()
{
    if (!m_recolorPending || !m_prepared)
        return;
    Recolor(m_color.hue, m_color.saturation, m_color.value);
    m_recolorPending = false;
}
