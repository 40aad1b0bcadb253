// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real voice, on espeak-ng. The synthesizer keeps global state, so one thread of its own does
// all its work: it is started by the first request and loads the library then. Each utterance is
// synthesized whole into memory at a pace a child can follow and handed to the sound player, which
// plays it on a channel of its own. A missing library or voice leaves one line in the
// "wupple.sound" log and the game silent.
#include "sound/EspeakLibrary.h"
#include "sound/Speech.h"

#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class Sound;

class EspeakSpeech final : public Speech {
public:
    struct Options {
        QString library = QString::fromLatin1(EspeakLibraryName);
        QString dataFolder;       // empty: where the system's package installs it
        int wordsPerMinute = 140; // the synthesizer's own pace is 175
    };

    // Cheap: neither the library nor the thread are touched before the first request. `sound` plays
    // the voice; it must outlive this object.
    explicit EspeakSpeech(Sound* sound, Options options);
    explicit EspeakSpeech(Sound* sound) : EspeakSpeech(sound, Options()) {}
    ~EspeakSpeech() override;
    EspeakSpeech(const EspeakSpeech&) = delete;
    EspeakSpeech& operator=(const EspeakSpeech&) = delete;

    void say(const QString& text, int language, Manner manner) override;
    void silence() override;
    bool hasVoice(int language) const override;

    // For tests and benchmarks: returns once every request made so far was spoken or dropped.
    void waitForRequests();
    struct Record {
        int handed = 0;      // utterances handed to the player
        int mostWaiting = 0; // the longest queue of requests seen
        QString last;        // the text handed over last
        bool unavailable = false; // the library could not be loaded
    };
    Record record() const;

private:
    struct Request {
        QString text;
        int language = 0;
        Manner manner = Manner::Cut;
        quint64 cuts = 0; // the cuts made before it; a later cut drops it
    };

    void run();
    bool load();
    std::vector<short> synthesize(const Request& request);
    bool stale(const Request& request) const; // under m_mutex

    Sound* const m_sound;
    const Options m_options;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Request> m_requests;
    bool m_working = false;
    bool m_stopping = false;
    quint64 m_cuts = 0;
    Record m_record;
    std::thread m_thread;

    // Only the thread touches these.
    EspeakApi m_api;
    bool m_loadTried = false;
    bool m_loaded = false;
    int m_sampleRate = 0;
    int m_voice = -1;
    bool m_voiceMissing[4] = {};
    std::chrono::steady_clock::time_point m_speakingUntil;
};
