// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioThread.h"

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

AudioThread::AudioThread(std::function<void()> atExit)
    : m_atExit(std::move(atExit)), m_thread([this] { run(); })
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

void AudioThread::setIdleCheck(std::chrono::milliseconds period, std::function<bool()> check)
{
    {
        std::lock_guard lock(m_mutex);
        m_checkPeriod = period;
        m_check = std::move(check);
    }
    m_wake.notify_one();
}

void AudioThread::runInBackground(const std::function<void()>& job)
{
    std::thread([&job] {
#ifdef __linux__
        const sched_param normal{};
        pthread_setschedparam(pthread_self(), SCHED_IDLE, &normal);
#endif
        job();
    }).join();
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
