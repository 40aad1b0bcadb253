// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioThread.h"

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {
// The nice value of a background load: about a tenth of the weight of an ordinary thread, so the
// game's thread, sharing a core with it, keeps nine tenths of it. A thread of the idle class
// instead gets nothing at all while the machine is busy, and could never leave that class again.
constexpr int backgroundNice = 10;
} // namespace

struct AudioThread::Background {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool givenUp = false; // the worker is being destroyed and waits no longer
};

AudioThread::AudioThread(std::function<void()> atExit)
    : m_atExit(std::move(atExit)), m_thread([this] { run(); })
{
}

AudioThread::~AudioThread()
{
    std::shared_ptr<Background> background;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
        background = m_background;
    }
    m_wake.notify_one();
    if (background) {
        {
            std::lock_guard lock(background->mutex);
            background->givenUp = true;
        }
        background->finished.notify_all();
    }
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

void AudioThread::setIdleCheck(std::chrono::milliseconds period, std::function<bool()> check)
{
    {
        std::lock_guard lock(m_mutex);
        m_checkPeriod = period;
        m_check = std::move(check);
    }
    m_wake.notify_one();
}

bool AudioThread::runInBackground(std::function<void()> job)
{
    auto background = std::make_shared<Background>();
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping)
            return false;
        m_background = background;
    }
    // Detached: nobody may have to wait for it. It keeps its state alive itself.
    std::thread([background, job = std::move(job)] {
#ifdef __linux__
        // On Linux the nice value belongs to the thread, not to the whole process.
        setpriority(PRIO_PROCESS, id_t(gettid()), backgroundNice);
#endif
        job();
        {
            std::lock_guard lock(background->mutex);
            background->done = true;
        }
        background->finished.notify_all();
    }).detach();
    bool done = false;
    {
        std::unique_lock lock(background->mutex);
        background->finished.wait(lock, [&] { return background->done || background->givenUp; });
        done = background->done;
    }
    std::lock_guard lock(m_mutex);
    m_background.reset();
    return done;
}

void AudioThread::run()
{
#ifdef __linux__
    // A batch thread never preempts the thread that wakes it: handing over a job must not stall
    // the game's thread while the job decodes a wave or loads the soundfont on the same core.
    const sched_param normal{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &normal);
#endif
    bool checking = false;
    for (;;) {
        std::function<void()> job;
        std::function<bool()> check;
        {
            std::unique_lock lock(m_mutex);
            const auto ready = [this] { return m_stopping || !m_jobs.empty(); };
            if (checking && m_check)
                m_wake.wait_for(lock, m_checkPeriod, ready);
            else
                m_wake.wait(lock, ready);
            if (m_stopping)
                break;
            if (m_jobs.empty()) {
                check = m_check;
            } else {
                job = std::move(m_jobs.front());
                m_jobs.pop_front();
            }
        }
        if (job) {
            job();
            checking = true;
        } else if (check) {
            checking = check();
        }
    }
    if (m_atExit)
        m_atExit();
}
