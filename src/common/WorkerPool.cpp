#include "common/WorkerPool.h"

#include <algorithm>

WorkerPool &WorkerPool::shared()
{
    static WorkerPool pool(coreCount());
    return pool;
}

int WorkerPool::coreCount()
{
    return std::max(1, int(std::thread::hardware_concurrency()));
}

WorkerPool::WorkerPool(int threads)
{
    for (int i = 0; i < std::max(threads, 1); ++i)
        m_threads.emplace_back([this] { work(); });
}

WorkerPool::~WorkerPool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_jobWaiting.notify_all();
    for (std::thread &thread : m_threads)
        thread.join();
}

void WorkerPool::run(WorkerGroup &group, std::function<void()> job)
{
    group.started();
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.push_back({&group, std::move(job)});
    }
    m_jobWaiting.notify_one();
}

void WorkerPool::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_jobWaiting.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty())
            return; // stopping, with nothing left to run
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        job.run();
        // Whatever the job holds goes before its group hears that it is done: the group's
        // owner may then free what the job's captures point at.
        job.run = nullptr;
        job.group->finished();
        lock.lock();
    }
}

void WorkerGroup::started()
{
    const std::lock_guard lock(m_mutex);
    ++m_running;
}

void WorkerGroup::finished()
{
    // Notified under the lock: the group may be destroyed as soon as wait sees zero.
    const std::lock_guard lock(m_mutex);
    --m_running;
    m_allFinished.notify_all();
}

void WorkerGroup::wait()
{
    std::unique_lock lock(m_mutex);
    m_allFinished.wait(lock, [this] { return m_running == 0; });
}
