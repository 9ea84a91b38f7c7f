#include "output/TilePipeline.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

namespace {

// Counts what the workers do; tiles finish in a shuffled order.
struct PrepareProbe
{
    std::atomic<int> running{0};
    std::atomic<int> started{0};
    std::atomic<int> taken{0};
    std::atomic<int> mostAhead{0};
    std::mutex mutex;
    std::multiset<int> prepared;

    PreparedTile operator()(int tile)
    {
        ++started;
        const int ahead = started - taken;
        for (int seen = mostAhead; ahead > seen && !mostAhead.compare_exchange_weak(seen, ahead);) {
        }
        std::this_thread::sleep_for(std::chrono::microseconds((tile * 7919) % 5 * 300));
        {
            const std::lock_guard lock(mutex);
            prepared.insert(tile);
        }
        return {RenderStatus::Ok, QByteArray::number(tile), false, {}, {}};
    }
};

} // namespace

TEST(TilePipeline, HandsOverEveryTileOnceInOrderWithinItsWindow)
{
    PrepareProbe probe;
    constexpr int kTiles = 60;
    constexpr int kWorkers = 3;
    {
        TilePipeline pipeline(kTiles, [&probe](int t) { return probe(t); }, kWorkers);
        for (int t = 0; t < kTiles; ++t) {
            const PreparedTile tile = pipeline.take(t);
            ++probe.taken;
            ASSERT_EQ(tile.status, RenderStatus::Ok);
            ASSERT_EQ(tile.encoded, QByteArray::number(t));
        }
    }
    EXPECT_EQ(probe.prepared.size(), size_t(kTiles));
    EXPECT_EQ(std::set<int>(probe.prepared.begin(), probe.prepared.end()).size(), size_t(kTiles));
    // The tile being waited for counts too: at most twice the workers beyond the last taken.
    EXPECT_LE(probe.mostAhead.load(), 2 * kWorkers + 1);
}

TEST(TilePipeline, StoppingEarlyDiscardsWorkAheadAndJoinsTheWorkers)
{
    PrepareProbe probe;
    {
        TilePipeline pipeline(500, [&probe](int t) { return probe(t); }, 2);
        EXPECT_EQ(pipeline.take(0).encoded, QByteArray("0"));
        EXPECT_EQ(pipeline.take(1).encoded, QByteArray("1"));
        // Out of order or past the end: a failed tile, never a wait forever.
        EXPECT_EQ(pipeline.take(5).status, RenderStatus::CutFailed);
    }
    const int startedAtEnd = probe.started;
    EXPECT_LE(startedAtEnd, 2 + 2 * 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(probe.started.load(), startedAtEnd) << "a worker outlived the pipeline";
}

TEST(TilePipeline, AFailingTileStaysInItsPlace)
{
    TilePipeline pipeline(
        4,
        [](int t) -> PreparedTile {
            if (t == 1)
                throw std::bad_alloc();
            if (t == 2)
                return {RenderStatus::CompensationFailed, std::nullopt, false, {}, {}};
            return {RenderStatus::Ok, QByteArray::number(t), false, {}, {}};
        },
        2);
    EXPECT_EQ(pipeline.take(0).status, RenderStatus::Ok);
    const PreparedTile failed = pipeline.take(1);
    EXPECT_EQ(failed.status, RenderStatus::CutFailed);
    EXPECT_FALSE(failed.encoded);
    EXPECT_EQ(pipeline.take(2).status, RenderStatus::CompensationFailed);
    EXPECT_EQ(pipeline.take(3).encoded, QByteArray("3"));
}

TEST(TilePipeline, NoTilesNeedNoWork)
{
    TilePipeline pipeline(0, [](int) { return PreparedTile{}; }, 4);
    EXPECT_EQ(pipeline.take(0).status, RenderStatus::CutFailed);
}
