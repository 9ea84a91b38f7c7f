#include "common/WorkerPool.h"

#include <atomic>
#include <chrono>
#include <memory>

#include <gtest/gtest.h>

// More jobs than threads all run, and a group is done only when each of its jobs is; a
// job that waits for work done outside the pool holds only its own thread.
TEST(WorkerPool, AGroupEndsWhenEveryOneOfItsJobsHas)
{
    WorkerPool pool(2);
    std::atomic<int> done{0};
    std::atomic<bool> released{false};
    WorkerGroup waiting;
    pool.run(waiting, [&] {
        while (!released)
            std::this_thread::yield();
    });
    {
        WorkerGroup group;
        for (int i = 0; i < 10; ++i)
            pool.run(group, [&done] { ++done; });
        group.wait();
        EXPECT_EQ(done, 10);
    }
    released = true;
    waiting.wait();
}

// What a job holds is let go before its group ends, so that the group's owner may free
// what those captures point at.
TEST(WorkerPool, AJobsCapturesAreGoneWhenItsGroupEnds)
{
    WorkerPool pool(1);
    std::atomic<bool> captureGone{false};
    struct SlowToGo
    {
        std::atomic<bool> &gone;
        ~SlowToGo()
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            gone = true;
        }
    };
    {
        WorkerGroup group;
        std::shared_ptr<SlowToGo> held(new SlowToGo{captureGone});
        pool.run(group, [held = std::move(held)] {});
        group.wait();
        EXPECT_TRUE(captureGone);
    }
}
