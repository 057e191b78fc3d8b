#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include <QImage>
#include <QRect>

#include "model/GlobStore.h"
#include "view/ColorChangeCursor.h"
#include "view/ReplayColors.h"

// Replays the colour-change records alongside the globs: each sets the colour of its glob's
// shape.
class RecordWalk
{
public:
    RecordWalk(const GlobStore& records, ReplayColors& colors, int firstGlob)
        : m_globs(records.Globs()), m_colors(colors), m_cursor(records.ColorChanges().Items(), firstGlob),
          m_next(m_cursor.NextAt(firstGlob))
    {
    }

    // Applies the records of glob i; call for ascending i. True when glob i has records.
    bool ApplyAt(int i)
    {
        if (i != m_next)
            return false;
        const int shape = m_globs[size_t(i)].shape;
        m_cursor.ApplyAt(i, [&](const CColorChange& c) { m_colors.Set(shape, c.Color()); });
        m_next = m_cursor.NextAt(i + 1);
        return true;
    }

    // Applies every record below `end` (each of a glob that exists), as a replay up to there would.
    void ApplyBelow(int end)
    {
        end = std::min(end, int(m_globs.size()));
        while (m_next < end)
            ApplyAt(m_next);
    }

private:
    const std::vector<CGlob>& m_globs;
    ReplayColors& m_colors;
    ColorChangeCursor m_cursor;
    int m_next;
};

// The colours a replay starting at `start` begins with.
void SeedColors(const GlobStore& records, ReplayColors& colors, int start);

// Replays globs [start, end) of the records onto an image with the colours in `colors`,
// applying the colour-change records on the way; `colors` must hold what the records below
// `start` set, and holds what the records below `end` set afterwards. A long replay is
// shared out among the processor's cores, each stamping its own band of rows with its own
// copy of the colours; the pixels are the same as one thread's. drawn(rect) is called for
// each glob, in order, on the calling thread.
class GlobReplay
{
public:
    GlobReplay(const GlobStore& records, ReplayColors& colors, QImage& image)
        : m_records(records), m_colors(colors), m_whole(image)
    {
    }

    template <typename Drawn>
    void Run(int start, int end, Drawn&& drawn)
    {
        end = std::min(end, m_records.GlobCount());
        if (start >= end)
            return;
        const int bands = BandCount(end - start);
        if (bands <= 1) {
            ReplayBand(m_whole, m_colors, start, end, drawn);
            return;
        }
        const std::vector<int> rows = BandRows(start, end, bands);
        RunConcurrently(bands, [&](int band, ReplayColors& colors) {
            const StampTarget target(m_whole, rows[size_t(band)], rows[size_t(band) + 1]);
            if (band == 0)
                ReplayBand(target, colors, start, end, drawn);
            else
                ReplayBand(target, colors, start, end, [](const QRect&) {});
        });
    }
    void Run(int start, int end)
    {
        Run(start, end, [](const QRect&) {});
    }

    // Threads the replay of this many globs would use (1 for short replays or small images);
    // `threads` overrides the processor's count, for tests.
    int BandCount(int globs) const;
    void SetThreads(int threads) { m_threads = threads; }
    // Below this many globs a replay stays on one thread: starting a thread costs more.
    static constexpr int kGlobsForBands = 20000;

private:
    // Stamps globs [start, end) into one band of rows.
    template <typename Drawn>
    void ReplayBand(const StampTarget& band, ReplayColors& colors, int start, int end, Drawn&& drawn) const
    {
        const std::vector<CGlob>& globs = m_records.Globs();
        RecordWalk records(m_records, colors, start);
        // Runs of globs of one shape with no record between them share one pen lookup.
        int lastShape = -1;
        ShapePen* pen = nullptr;
        for (int i = start; i < end; ++i) {
            const CGlob& glob = globs[size_t(i)];
            if (records.ApplyAt(i) || glob.shape != lastShape) {
                lastShape = glob.shape;
                pen = colors.Pen(glob.shape);
            }
            drawn(pen ? pen->Draw(band, glob.x, glob.y) : QRect());
        }
    }

    // Calls job(band, colours) for bands 0 .. bands - 1 at once, band 0 on this thread with
    // the replay's own colours, the others with copies; a band whose thread could not run is
    // replayed here afterwards.
    void RunConcurrently(int bands, const std::function<void(int, ReplayColors&)>& job);
    // Row limits of the bands (bands + 1 of them), chosen so that each band holds about as
    // many globs.
    std::vector<int> BandRows(int start, int end, int bands) const;

    const GlobStore& m_records;
    ReplayColors& m_colors;
    StampTarget m_whole;
    int m_threads = 0; // 0: one per processor core
};
