#include "shapes/CShape.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <utility>

#include "color/ColorConversion.h"

namespace {

constexpr int kCursorSize = 32;
constexpr int kCursorOffset = 2; // the shape's top-left in the cursor, leaving room for the outline

QRgb ToPixel(RgbColor color)
{
    return qRgb(RgbRed(color), RgbGreen(color), RgbBlue(color));
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
            m_runs.push_back({y, start, x - start});
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

// A rectangle's start that keeps its far edge within int (only absurd positions are moved).
inline int RectStart(qint64 start, int extent)
{
    return int(std::clamp<qint64>(start, std::numeric_limits<int>::min(), std::numeric_limits<int>::max() - extent));
}

// Copies a run of pixels in blocks of four; the last block may overlap the one before
// instead of running past the end. Fixed-size copies become single vector moves.
inline void CopyRun(QRgb* out, const QRgb* in, int length)
{
    if (length >= 4) {
        int i = 0;
        for (; i + 4 < length; i += 4)
            std::memcpy(out + i, in + i, 4 * sizeof(QRgb));
        std::memcpy(out + length - 4, in + length - 4, 4 * sizeof(QRgb));
    } else if (length >= 2) {
        std::memcpy(out, in, 2 * sizeof(QRgb));
        std::memcpy(out + length - 2, in + length - 2, 2 * sizeof(QRgb));
    } else if (length == 1) {
        out[0] = in[0];
    }
}

// Background pixels of the shape leave the target as it is and shape pixels take the shape's
// colour (what masking and colouring the work area amounts to), so only the shape's runs
// are copied.
QRect CShape::DrawStamp(const StampTarget& target, int x, int y, const ShapeStamp& stamp) const
{
    if (!m_prepared || m_width == 0 || stamp.size() != m_stamp.size())
        return QRect();
    // Worked out in 64 bits so that no position, however far off, overflows.
    const qint64 left = qint64(x) - m_width / 2;
    const qint64 top = qint64(y) - m_height / 2;
    const QRect covered(RectStart(left, m_width), RectStart(top, m_height), m_width, m_height);
    if (!target.bits)
        return covered;
    if (left >= 0 && top >= 0 && left + m_width <= target.width && top + m_height <= target.height) {
        uchar* bits = target.bits;
        const qsizetype stride = target.stride;
        const QRgb* pixels = stamp.data();
        for (const Run& run : m_runs) {
            CopyRun(reinterpret_cast<QRgb*>(bits + (top + run.y) * stride) + left + run.x,
                    pixels + qsizetype(run.y) * m_width + run.x, run.length);
        }
    } else {
        DrawClipped(target, left, top, stamp.data());
    }
    return covered;
}

void CShape::DrawClipped(const StampTarget& target, qint64 left, qint64 top, const QRgb* stamp) const
{
    const int width = target.width;
    const int height = target.height;
    if (left >= width || top >= height || left + m_width <= 0 || top + m_height <= 0)
        return;
    // From here on the glob overlaps the image, so every coordinate fits an int.
    uchar* bits = target.bits;
    const qsizetype stride = target.stride;
    for (const Run& run : m_runs) {
        const qint64 ty = top + run.y;
        if (ty < 0 || ty >= height)
            continue;
        const qint64 from = std::max<qint64>(left + run.x, 0);
        const qint64 to = std::min<qint64>(left + run.x + run.length, width);
        if (from >= to)
            continue;
        std::memcpy(bits + ty * stride + from * 4, stamp + qsizetype(run.y) * m_width + (from - left),
                    size_t(to - from) * 4);
    }
}

void CShape::PaintStamp(int hue, int saturation, int value, ShapeStamp& stamp) const
{
    stamp.resize(m_stamp.size());
    if (!m_prepared || !HasBitmap())
        return;
    const float saturationFactor = ByteFraction(std::clamp(saturation, 0, 255));
    const float valueFactor = ByteFraction(std::clamp(value, 0, 255));
    hue = std::clamp(hue, 0, 360);
    // A shape has a few dozen tones at most: their colours fit on the stack.
    constexpr size_t kOnStack = 256;
    QRgb onStack[kOnStack];
    std::vector<QRgb> onHeap;
    QRgb* toneColor = onStack;
    if (m_toneSaturation.size() > kOnStack) {
        onHeap.resize(m_toneSaturation.size());
        toneColor = onHeap.data();
    }
    for (size_t k = 0; k < m_toneSaturation.size(); ++k) {
        const float s = m_toneSaturation[k];
        const float v = m_toneValue[k];
        toneColor[k] = ToPixel(HsvToRgb(hue, saturationFactor * s, (valueFactor * s + (1.0f - s)) * v));
    }
    const std::uint32_t* tone = m_pixelTone.data();
    const qsizetype w = Width();
    for (const Run& run : m_runs) {
        QRgb* pixels = stamp.data() + run.y * w + run.x;
        for (int i = 0; i < run.length; ++i)
            pixels[i] = toneColor[*tone++];
    }
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
