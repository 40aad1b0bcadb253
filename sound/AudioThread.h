// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worker that runs audio jobs one after another, so that decoding a wave image or loading the
// music's soundfont never holds up the game's thread.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class AudioThread final {
public:
    // `atExit` runs on the thread just before it ends.
    explicit AudioThread(std::function<void()> atExit = {});
    // Drops the jobs still waiting and waits for the one that is running.
    ~AudioThread();
    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    void post(std::function<void()> job);
    // Replaces every job still waiting: only the newest request is worth doing, since each one
    // would cut off the one before it anyway.
    void postLatest(std::function<void()> job);
    // While nothing is to do, runs `check` every `period` for as long as it returns true; any job
    // starts the checks again. The thread sleeps for good once `check` returns false.
    void setIdleCheck(std::chrono::milliseconds period, std::function<bool()> check);

    // Runs `job` on a thread that gets the processor only when nothing else wants it, and waits
    // for it. A thread of its own, because no thread may leave that class again: a worker in it
    // could, on a busy machine, hold up the end of the program for seconds.
    static void runInBackground(const std::function<void()>& job);

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    std::function<void()> m_atExit;
    std::chrono::milliseconds m_checkPeriod{0};
    std::function<bool()> m_check;
    std::thread m_thread;
};
