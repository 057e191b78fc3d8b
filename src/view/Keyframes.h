#pragma once

#include <climits>
#include <utility>
#include <vector>

#include <QImage>
#include <QPoint>

#include "color/HsvColor.h"
#include "view/ReplayColors.h"

class GlobStore;
class ShapeTable;

// What every picture of a drawing is painted on; pictures kept on another paper are useless.
struct PaperKey
{
    RgbColor color = 0;
    bool picture = false;
    qint64 pictureKey = 0; // the background picture's QImage::cacheKey
    QPoint offset;
    QSize size;

    friend bool operator==(const PaperKey&, const PaperKey&) = default;
};

// Pictures of the drawing at chosen glob counts (keyframes), so that moving through the
// history replays from the nearest one at or below the position instead of from the paper.
// They are spread evenly over the glob list at a spacing that follows the drawing's length,
// with the room left over given to section boundaries (where the history slider snaps), all
// within a memory budget. A change of the records drops the keyframes above the first glob
// it touches; a change of the paper drops them all.
class KeyframeStore
{
public:
    static constexpr qsizetype kBudgetBytes = qsizetype(64) * 1024 * 1024;
    static constexpr int kMaxKeyframes = 32;
    // Replaying fewer globs than this costs less than restoring a picture.
    static constexpr int kDefaultMinSpacing = 4096;

    struct Keyframe
    {
        int position = 0;  // the picture holds globs [0, position)
        QImage image;
        ReplayColors colors; // what the records below position set
        // Shapes with globs below position drawn in their own colour (no record before
        // them), with that colour: the picture holds only while they keep it.
        std::vector<std::pair<int, HsvColor>> ownColors;
    };

    void SetMinSpacing(int globs) { m_minSpacing = globs; }

    // Drops the keyframes above changedFrom and those whose shapes' own colours changed, or
    // all of them when the paper is new.
    void Validate(int changedFrom, const PaperKey& paper, const ShapeTable& shapes);
    // The keyframe with the largest position in (after, upTo]; null if none.
    const Keyframe* Best(int after, int upTo) const;
    // Positions in (from, to] where a keyframe is wanted and missing, ascending.
    std::vector<int> Missing(int from, int to, const GlobStore& records) const;
    // Keeps a copy of `image` as the picture at `position`, if it is wanted and fits.
    void Capture(int position, const QImage& image, const ReplayColors& colors, const GlobStore& records,
                 const ShapeTable& shapes);
    void Clear() { m_frames.clear(); }

    int Count() const { return int(m_frames.size()); }
    qsizetype Bytes() const;
    // How many keyframes of this size fit the budget.
    static int Slots(QSize size);

private:
    // Wanted positions below or at the glob count: the even grid first, then section
    // boundaries from the latest back, as many as there are slots.
    std::vector<int> Wanted(const GlobStore& records) const;
    bool Has(int position) const;
    static bool Holds(const Keyframe& keyframe, const ShapeTable& shapes);

    std::vector<Keyframe> m_frames; // ascending by position
    PaperKey m_paper;
    int m_minSpacing = kDefaultMinSpacing;
};
