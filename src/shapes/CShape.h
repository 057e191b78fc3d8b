#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

#include "color/HsvColor.h"

// The shape's pixels in one colour, w x h, ready for stamping. A shape keeps one in its own
// colour; a replay keeps one per shape in the colours the drawing's records give.
using ShapeStamp = std::vector<QRgb>;

// The pixels of an image that globs are stamped into, taken once for a whole replay instead
// of once a glob. Only RGB32 images take stamps; others are left alone. Valid while the
// image is neither resized nor shared.
struct StampTarget
{
    explicit StampTarget(QImage& image)
        : bits(image.depth() == 32 ? image.bits() : nullptr), stride(image.bytesPerLine()),
          width(image.width()), height(image.height())
    {
    }

    uchar* bits;
    qsizetype stride;
    int width;
    int height;
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
    // Paints the shape in hue/saturation/value into `stamp`, as Recolor paints its own copy.
    void PaintStamp(int hue, int saturation, int value, ShapeStamp& stamp) const;

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
    };

    void BuildRuns(QRgb background);
    void BuildStamp();
    void BuildTones();
    void BuildCursor(QRgb background);
    bool IsShapePixel(int x, int y, QRgb background) const;
    void DrawClipped(const StampTarget& target, qint64 left, qint64 top, const QRgb* stamp) const;

    std::vector<Run> m_runs;
    ShapeStamp m_stamp;        // the coloured copy as w x h pixels, read by the stamping loop
    int m_width = 0;           // the bitmap's size, kept at hand for the stamping loop
    int m_height = 0;
    // Recolouring depends on each pixel's own saturation and value only; pixels sharing
    // them share a tone, and a new colour is worked out once per tone.
    std::vector<float> m_toneSaturation;
    std::vector<float> m_toneValue;
    std::vector<std::uint32_t> m_pixelTone; // tone of each shape pixel, in run order
};
