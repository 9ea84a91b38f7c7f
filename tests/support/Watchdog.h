#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

// Ends the test program with a message naming what hung when a block takes longer than
// its limit: a deadlocked thread cannot be stopped otherwise, and the case that hung is
// the one worth knowing.
class Watchdog
{
public:
    Watchdog(std::chrono::seconds limit, std::string what)
        : m_what(std::move(what))
        , m_thread([this, limit] {
            std::unique_lock lock(m_mutex);
            if (!m_finished.wait_for(lock, limit, [this] { return m_done; })) {
                std::fprintf(stderr, "Watchdog: still running after %lld s: %s\n", static_cast<long long>(limit.count()),
                             m_what.c_str());
                std::fflush(stderr);
                std::abort();
            }
        })
    {
    }

    ~Watchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_finished.notify_all();
        m_thread.join();
    }

    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::string m_what;
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::thread m_thread;
};
