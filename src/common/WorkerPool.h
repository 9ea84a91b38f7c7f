#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WorkerGroup;

// The program's one pool of worker threads, one for each core, which the tile pipeline and
// the row-fed compressors share: the cores are counted in one place, and no run starts and
// joins threads of its own. A job may wait for work done outside the pool (the decoder has
// a thread of its own) but never for another job that may not have started.
class WorkerPool
{
public:
    static WorkerPool &shared();
    // The cores the machine offers, at least one.
    static int coreCount();

    explicit WorkerPool(int threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    int size() const { return int(m_threads.size()); }
    // Runs the job on a worker as soon as one is free; the group counts it until it returns.
    void run(WorkerGroup &group, std::function<void()> job);

private:
    void work();

    std::mutex m_mutex;
    std::condition_variable m_jobWaiting;
    struct Job
    {
        WorkerGroup *group;
        std::function<void()> run;
    };
    std::deque<Job> m_jobs;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

// Jobs started together and waited for together: wait, and the destructor, return once
// every job of the group has returned.
class WorkerGroup
{
public:
    WorkerGroup() = default;
    ~WorkerGroup() { wait(); }
    WorkerGroup(const WorkerGroup &) = delete;
    WorkerGroup &operator=(const WorkerGroup &) = delete;

    void wait();

private:
    friend class WorkerPool;
    void started();
    void finished();

    std::mutex m_mutex;
    std::condition_variable m_allFinished;
    int m_running = 0;
};
