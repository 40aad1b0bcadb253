// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real sound player, on SDL_mixer. Players hear one effect at a time: a new one ends the one
// playing, which fades out over a few milliseconds on its mixer channel while the new one starts on
// another (no click). The music is a MIDI file rendered by FluidSynth with its own small soundfont
// beside it (or the whole General MIDI one), faded out briefly when switched off. The device is
// opened when a sound or the music is first needed and closed again once nothing has sounded for a
// few seconds, so an idle game wakes nobody. Without an audio device the player stays silent and every call is a cheap no-op.
#include "sound/Sound.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

class AudioThread;
struct MixerApi;

class SdlSound final : public Sound {
public:
    // Cheap: neither the audio libraries nor the device are touched before the first sound. The
    // device is closed once nothing has sounded for `quietBeforeSleep`.
    explicit SdlSound(std::chrono::milliseconds quietBeforeSleep = std::chrono::seconds(3));
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // False once no audio device could be opened (or while another player holds it): the game
    // then plays on in silence.
    bool isAudioOn() const { return m_ownsDevice && !m_failed; }
    bool isDeviceOpen() const { return m_deviceOpen; }
    // For tests and benchmarks: returns once every request made so far has been carried out.
    void waitForRequests();

    void playWav(int id, const QByteArray& wave) override;
    void openAndPlayMusic(const QString& midiPath) override;
    void closeMusic() override;
    void playVoice(const short* samples, int count, int rate) override;
    void stopVoice() override;

private:
    // These run on the worker threads.
    bool openDevice();
    // True when a tune still loading was left to close the device.
    bool closeDevice();
    bool closeWhenQuiet();
    void startEffect(int id, const QByteArray& wave);
    void startMusic(const QByteArray& path);
    void stopMusic();

    const std::chrono::milliseconds m_quietBeforeSleep;
    bool m_ownsDevice = false;
    std::atomic<bool> m_failed{false};
    std::atomic<bool> m_deviceOpen{false};
    std::atomic<const MixerApi*> m_mixer{nullptr};
    std::mutex m_deviceMutex; // the device and everything loaded on it, from either worker
    std::atomic<int> m_musicRequests{0};
    // A tune load the music worker gave up waiting for as the player ends; set on that worker.
    struct MusicLoad;
    std::shared_ptr<MusicLoad> m_unfinishedLoad;
    std::chrono::steady_clock::time_point m_lastHeard; // under m_deviceMutex
    // The decoded effects and the loaded tune, while the device is open; under m_deviceMutex.
    struct Loaded;
    std::unique_ptr<Loaded> m_loaded;
    // Separate workers: loading the music takes a moment and must not delay an effect.
    std::unique_ptr<AudioThread> m_effectThread;
    std::unique_ptr<AudioThread> m_musicThread;
};

std::unique_ptr<Sound> createSdlSound();
