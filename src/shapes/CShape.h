#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "color/HsvColor.h"

// The shape's pixels in one colour, w x h, ready for stamping. A shape keeps one in its own
// colour; a replay keeps one per shape in the colours the drawing's records give.
using ShapeStamp = std::vector<QRgb>;

// The colour of each of a shape's tones (the shading classes of its pixels) in one colour.
using ToneColors = std::vector<QRgb>;

// A shape's pixels in one colour laid out for images of one row stride: each block's byte
// offset from the glob's top-left corner with its pixels beside it, so that stamping a glob
// reads one short list and writes blocks of a known size.
struct CompiledStamp
{
    template <int kPixels>
    struct Block
    {
        qsizetype offset;
        QRgb pixels[kPixels];
    };

    qsizetype stride = -1; // the row stride it was laid out for; -1 before the first
    std::vector<Block<4>> four;
    std::vector<Block<2>> two;
    std::vector<Block<1>> one;
};

// The pixels of an image that globs are stamped into, taken once for a whole replay instead
// of once a glob. Only RGB32 images take stamps; others are left alone. Valid while the
// image is neither resized nor shared. Stamps write only the rows from top up to bottom, so
// that replays on several threads can share one image, each in its own band of rows.
struct StampTarget
{
    explicit StampTarget(QImage& image)
        : bits(image.depth() == 32 ? image.bits() : nullptr), stride(image.bytesPerLine()),
          width(image.width()), height(image.height()), bottom(image.height())
    {
    }
    StampTarget(const StampTarget& whole, int bandTop, int bandBottom)
        : StampTarget(whole)
    {
        top = bandTop;
        bottom = bandBottom;
    }

    uchar* bits;
    qsizetype stride;
    int width;
    int height;
    int top = 0;
    int bottom;
};

// One glob shape: a small bitmap whose top-left pixel colour is transparent, stamped in the
// shape's current colour. A shape whose file could not be read has no bitmap and draws nothing.
class CShape
{
public:
    // name: the file name without folder (first character = family, third = size digit).
    // bitmap: the file's pixels (any format; kept as RGB32), or a null image.
    CShape(QString name, QImage bitmap);

    const QString& Name() const { return m_name; }
    bool HasBitmap() const { return !m_source.isNull(); }
    int Width() const { return m_source.width(); }
    int Height() const { return m_source.height(); }
    const QImage& Source() const { return m_source; }

    // Builds the mask, the coloured copy and the outline cursor image once; later calls
    // do nothing and succeed. A shape without a bitmap prepares nothing and succeeds.
    bool Prepare();
    bool IsPrepared() const { return m_prepared; }

    // Stamps the shape centred on (x, y) into an RGB32 image, clipped to the image, and
    // returns the rectangle covered: (x - w/2, y - h/2, w, h). Empty rectangle, and nothing
    // drawn, without a bitmap or before Prepare. Targets that are not 32 bits deep are left alone.
    QRect Draw(QImage& target, int x, int y) const { return DrawStamp(target, x, y, m_stamp); }
    // The same with pixels of a stamp painted by PaintStamp (the shape's own are not touched).
    QRect DrawStamp(QImage& target, int x, int y, const ShapeStamp& stamp) const
    {
        StampTarget pixels(target);
        return DrawStamp(pixels, x, y, stamp);
    }
    QRect DrawStamp(const StampTarget& target, int x, int y, const ShapeStamp& stamp) const;
    // The same, shading each pixel through its tone's colour as it is written: for a colour
    // used by one glob only, where painting a stamp first would cost more than the glob.
    QRect DrawToned(const StampTarget& target, int x, int y, const ToneColors& tones) const;
    // The usual case of DrawCompiled, inline for the replay loop: a glob wholly inside the
    // target's band, with a stamp laid out for its stride. False, and nothing drawn, otherwise.
    bool DrawCompiledInside(const StampTarget& target, int x, int y, const CompiledStamp& stamp) const
    {
        const qint64 left = qint64(x) - m_width / 2;
        const qint64 top = qint64(y) - m_height / 2;
        if (stamp.stride != target.stride || !Inside(target, left, top))
            return false;
        uchar* origin = target.bits + top * target.stride + left * 4;
        CopyBlocks<4>(stamp.four, origin);
        CopyBlocks<2>(stamp.two, origin);
        CopyBlocks<1>(stamp.one, origin);
        return true;
    }
    // Lays out the shape in the tones' colours for images of the given row stride.
    void CompileStamp(const ToneColors& tones, qsizetype stride, CompiledStamp& stamp) const;
    // Stamps a compiled stamp; a glob across an edge of the target or band, or a target of
    // another stride, is shaded through the tones instead.
    QRect DrawCompiled(const StampTarget& target, int x, int y, const CompiledStamp& stamp,
                       const ToneColors& tones) const;
    // The rectangle a glob at (x, y) covers, and whether it reaches the target's band.
    QRect Covered(int x, int y) const
    {
        return QRect(RectStart(qint64(x) - m_width / 2, m_width), RectStart(qint64(y) - m_height / 2, m_height),
                     m_width, m_height);
    }
    bool Reaches(const StampTarget& target, int y) const
    {
        const qint64 top = qint64(y) - m_height / 2;
        return top < target.bottom && top + m_height > target.top;
    }
    // Paints the shape in hue/saturation/value into `stamp`, as Recolor paints its own copy.
    void PaintStamp(int hue, int saturation, int value, ShapeStamp& stamp) const;
    // The two steps of PaintStamp: each tone's colour, then the stamp's pixels from them.
    void ShadeTones(int hue, int saturation, int value, ToneColors& tones) const;
    void PaintStampFromTones(const ToneColors& tones, ShapeStamp& stamp) const;

    // Repaints the coloured copy in hue/saturation/value, keeping the file's shading and
    // leaving grey pixels grey. Does nothing before Prepare. The shape's own colour stays:
    // SetColor changes both.
    void Recolor(int hue, int saturation, int value);

    // The shape's own colour: what the Shapes window shows and new globs are drawn in.
    const HsvColor& Color() const { return m_color; }
    // A new colour, with the coloured copy repainted at once (once the shape is prepared).
    void SetColor(const HsvColor& color);
    // A new colour; the coloured copy follows when the shape is next shown.
    void SetColorLater(const HsvColor& color);
    // A new colour for a shape that is not on show (another size of its family); its copy
    // is repainted when the shape is marked or recoloured.
    void SetColorUnshown(const HsvColor& color) { m_color = color; }
    // The coloured copy is to be repainted in the shape's colour when next shown.
    void MarkRecolorPending() { m_recolorPending = true; }
    bool RecolorPending() const { return m_recolorPending; }
    // Repaints the coloured copy in the shape's own colour if it no longer shows it.
    void RefreshColored();

    // The coloured copy: shape pixels in colour, background pixels black.
    const QImage& Colored() const { return m_colored; }

    // Outline cursor, 32 x 32: image and mask as a cursor wants them (QBitmap-ready,
    // Format_Mono, 1 = black in the image; 1 = opaque in the mask) and the hot spot.
    // Null images for a shape without a bitmap.
    const QImage& CursorImage() const { return m_cursorImage; }
    const QImage& CursorMask() const { return m_cursorMask; }
    QPoint CursorHotSpot() const { return m_cursorHotSpot; }

    bool activeSize = false;    // the one size of its family that the Shapes window shows

private:
    // A rectangle's start that keeps its far edge within int (only absurd positions are moved).
    static int RectStart(qint64 start, int extent)
    {
        return int(std::clamp<qint64>(start, std::numeric_limits<int>::min(), std::numeric_limits<int>::max() - extent));
    }

    QString m_name;
    QImage m_source;        // file pixels, RGB32
    QImage m_colored;       // RGB32, background pixels black
    QImage m_cursorImage;
    QImage m_cursorMask;
    QPoint m_cursorHotSpot;
    bool m_prepared = false;
    HsvColor m_color{0, 255, 255};
    bool m_recolorPending = true; // the coloured copy no longer shows the shape's own colour

    // A horizontal stretch of shape pixels in one row; stamping copies these and nothing else.
    struct Run
    {
        int y;
        int x;
        int length;
        int firstPixel; // index of its first pixel among the shape pixels, in run order
    };

    void BuildRuns(QRgb background);
    void BuildStamp();
    void BuildTones();
    void BuildCursor(QRgb background);
    bool IsShapePixel(int x, int y, QRgb background) const;
    // A stretch of stamp pixels copied as one block of a fixed size.
    struct Piece
    {
        int y;
        int x;
        int from; // the first pixel's index in the stamp's w x h pixels
    };

    void BuildPieces();
    template <typename WriteRun>
    void StampClipped(const StampTarget& target, int x, int y, WriteRun&& write) const;
    template <int kPixels>
    static void CompilePieces(const std::vector<Piece>& pieces, qsizetype stride, const std::uint32_t* toneAt,
                              const QRgb* colors, std::vector<CompiledStamp::Block<kPixels>>& blocks);
    template <int kPixels>
    static void CopyBlocks(const std::vector<CompiledStamp::Block<kPixels>>& blocks, uchar* origin)
    {
        // Locals, so that the copies (which may alias anything) do not make the loop reload them.
        const CompiledStamp::Block<kPixels>* block = blocks.data();
        const CompiledStamp::Block<kPixels>* const end = block + blocks.size();
        for (; block != end; ++block)
            __builtin_memcpy(origin + block->offset, block->pixels, sizeof block->pixels);
    }
    // Writes every piece of a glob whose top-left pixel is at origin; fill(block, from, count)
    // gives the count pixels of the piece whose first stamp pixel is from.
    template <typename Fill>
    void WritePieces(uchar* origin, qsizetype stride, Fill&& fill) const;
    // A glob inside the target by its pieces, one across an edge by its runs.
    template <typename Fill, typename WriteRun>
    QRect StampWith(const StampTarget& target, int x, int y, Fill&& fill, WriteRun&& write) const;
    bool Inside(const StampTarget& target, qint64 left, qint64 top) const
    {
        return target.bits && left >= 0 && top >= target.top && left + m_width <= target.width
            && top + m_height <= target.bottom;
    }

    std::vector<Run> m_runs;
    // The runs split into copies of 4, 2 and 1 pixels (the last copy of a run may overlap the
    // one before it), so that a glob inside the image is stamped by three flat loops.
    std::vector<Piece> m_pieces4;
    std::vector<Piece> m_pieces2;
    std::vector<Piece> m_pieces1;
    ShapeStamp m_stamp;        // the coloured copy as w x h pixels, read by the stamping loop
    int m_width = 0;           // the bitmap's size, kept at hand for the stamping loop
    int m_height = 0;
    // Recolouring depends on each pixel's own saturation and value only; pixels sharing
    // them share a tone, and a new colour is worked out once per tone.
    std::vector<float> m_toneSaturation;
    std::vector<float> m_toneValue;
    std::vector<std::uint32_t> m_pixelTone; // tone of each shape pixel, in run order
    std::vector<std::uint32_t> m_stampTone; // the same for each of the w x h stamp pixels
};
