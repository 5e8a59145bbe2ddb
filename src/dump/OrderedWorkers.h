#pragma once

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Jobs done on a fixed set of threads whose results come back in the order the jobs
// went in. Each thread makes its own worker first, on itself, so that what a worker
// holds (a dictionary, a compiled pattern) is never shared between threads.
template <typename Job, typename Result> class OrderedWorkers
{
public:
    using Work = std::function<Result(Job &)>;

    OrderedWorkers(int threads, const std::function<Work()> &makeWork)
    {
        for (int i = 0; i < std::max(1, threads); ++i)
            m_threads.emplace_back([this, makeWork] { serve(makeWork()); });
    }

    // Jobs not yet started are dropped; those started are finished first.
    ~OrderedWorkers()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
            m_jobs.clear();
        }
        m_jobReady.notify_all();
        for (std::thread &t : m_threads)
            t.join();
    }

    OrderedWorkers(const OrderedWorkers &) = delete;
    OrderedWorkers &operator=(const OrderedWorkers &) = delete;

    void submit(Job job)
    {
        {
            std::lock_guard lock(m_mutex);
            m_jobs.push_back({m_nextSequence++, std::move(job)});
            m_results.emplace_back();
        }
        m_jobReady.notify_one();
    }

    // Jobs submitted whose results have not been taken.
    std::size_t pending() const
    {
        std::lock_guard lock(m_mutex);
        return m_results.size();
    }

    bool oldestDone() const
    {
        std::lock_guard lock(m_mutex);
        return !m_results.empty() && m_results.front().has_value();
    }

    // The result of the oldest job not yet taken, once it is done.
    Result takeOldest()
    {
        std::unique_lock lock(m_mutex);
        m_resultReady.wait(lock, [this] { return m_results.front().has_value(); });
        Result result = std::move(*m_results.front());
        m_results.pop_front();
        ++m_firstSequence;
        return result;
    }

private:
    struct Queued
    {
        std::size_t sequence;
        Job job;
    };

    void serve(Work work)
    {
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_jobReady.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping)
                return;
            Queued queued = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            Result result = work(queued.job);
            lock.lock();
            m_results[queued.sequence - m_firstSequence] = std::move(result);
            lock.unlock();
            m_resultReady.notify_all();
        }
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_jobReady;
    std::condition_variable m_resultReady;
    std::deque<Queued> m_jobs;
    std::deque<std::optional<Result>> m_results; // from m_firstSequence on
    std::size_t m_firstSequence = 0;
    std::size_t m_nextSequence = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
