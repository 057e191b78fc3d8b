#include "view/GlobReplay.h"

#include <exception>
#include <thread>

namespace {

constexpr int kMaxBands = 8;
constexpr int kMinBandRows = 32; // thinner bands would leave most globs straddling two
constexpr int kSampleEvery = 64; // every so many globs' rows are counted to balance the bands

} // namespace

void SeedColors(const GlobStore& records, ReplayColors& colors, int start)
{
    colors.Reset();
    RecordWalk(records, colors, 0).ApplyBelow(start);
}

int GlobReplay::BandCount(int globs) const
{
    if (globs < kGlobsForBands || !m_whole.bits)
        return 1;
    const int threads = m_threads > 0 ? m_threads : int(std::thread::hardware_concurrency());
    return std::clamp(std::min(threads, m_whole.height / kMinBandRows), 1, kMaxBands);
}

std::vector<int> GlobReplay::BandRows(int start, int end, int bands) const
{
    // A histogram of the rows that sampled globs start on; the bands split it evenly.
    const int height = m_whole.height;
    std::vector<int> perRow(size_t(height), 0);
    const std::vector<CGlob>& globs = m_records.Globs();
    int sampled = 0;
    for (int i = start; i < end; i += kSampleEvery) {
        perRow[size_t(std::clamp(int(globs[size_t(i)].y), 0, height - 1))] += 1;
        ++sampled;
    }
    std::vector<int> rows{0};
    int seen = 0;
    for (int y = 0; y < height && int(rows.size()) < bands; ++y) {
        seen += perRow[size_t(y)];
        const int wanted = int(rows.size()) * sampled / bands;
        // Each band keeps at least kMinBandRows rows, and leaves enough for those after it.
        const int leftForRest = (bands - int(rows.size())) * kMinBandRows;
        if ((seen >= wanted && y + 1 - rows.back() >= kMinBandRows) || height - (y + 1) <= leftForRest)
            rows.push_back(y + 1);
    }
    while (int(rows.size()) < bands)
        rows.push_back(height);
    rows.push_back(height);
    return rows;
}

void GlobReplay::RunConcurrently(int bands, const std::function<void(int, ReplayColors&)>& job)
{
    // The copies are made here, before any thread starts, so that the threads allocate
    // nothing they share.
    m_colors.Reserve();
    const ReplayColors seed = m_colors;
    std::vector<ReplayColors> copies(size_t(bands - 1), seed);
    std::vector<char> failed(size_t(bands), 0);
    std::vector<std::thread> threads;
    threads.reserve(size_t(bands - 1));
    for (int band = 1; band < bands; ++band) {
        try {
            threads.emplace_back([&, band] {
                try {
                    job(band, copies[size_t(band - 1)]);
                } catch (...) {
                    failed[size_t(band)] = 1;
                }
            });
        } catch (const std::exception&) {
            failed[size_t(band)] = 1; // no thread: replayed below
            threads.emplace_back();
        }
    }
    job(0, m_colors);
    for (std::thread& thread : threads) {
        if (thread.joinable())
            thread.join();
    }
    for (int band = 1; band < bands; ++band) {
        if (failed[size_t(band)]) {
            ReplayColors colors = seed;
            job(band, colors);
        }
    }
}
