#include "AudioThread.h"

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

AudioThread::AudioThread(std::function<void()> atExit) : m_atExit(std::move(atExit)), m_thread([this] { run(); })
{
}

AudioThread::~AudioThread()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wake.notify_one();
    m_thread.join();
}

void AudioThread::post(std::function<void()> job)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void AudioThread::postLatest(std::function<void()> job)
{
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard lock(m_mutex);
        dropped.swap(m_jobs);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
    // `dropped` is destroyed here, outside the lock.
}

void AudioThread::run()
{
#ifdef __linux__
    // A batch thread never preempts the thread that wakes it: handing over a job must not stall
    // the game's thread while the job decodes a wave or loads the soundfont on the same core.
    const sched_param normal{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &normal);
#endif
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping)
                break;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
    if (m_atExit)
        m_atExit();
}
