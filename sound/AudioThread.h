// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worker that runs audio jobs one after another, so that decoding a wave image or loading the
// music's soundfont never holds up the game's thread.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class AudioThread final {
public:
    // `atExit` runs on the thread just before it ends.
    explicit AudioThread(std::function<void()> atExit = {});
    // Drops the jobs still waiting and waits for the one that is running, but not for a load it
    // has handed to the background (see runInBackground).
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

    // For a job of this worker: runs `job` on a short-lived thread of its own at a lower priority
    // and waits for it. A busy machine slows such a load down but never starves it, and the game's
    // thread keeps the processor it needs meanwhile. Returns false at once, without waiting any
    // longer, when this worker is being destroyed: the end of the program never waits for a load.
    // `job` then finishes alone, so it must own (or share) everything it touches.
    bool runInBackground(std::function<void()> job);

private:
    void run();

    struct Background;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    std::function<void()> m_atExit;
    std::chrono::milliseconds m_checkPeriod{0};
    std::function<bool()> m_check;
    std::shared_ptr<Background> m_background; // the load being waited for, if any
    std::thread m_thread;
};
