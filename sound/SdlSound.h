#pragma once
// The real sound player, on SDL's audio device. Effects play on one voice, so a new one ends the
// one playing (with a fade of a few milliseconds, not a click); the music is a MIDI file rendered
// with the General MIDI soundfont. The device is opened when a sound or the music is first needed
// and closed again once nothing has sounded for a few seconds, so an idle game wakes nobody.
// Without an audio device the player stays silent and every call is a cheap no-op.
#include "sound/EffectVoice.h"
#include "sound/Sound.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>

class AudioThread;
class Tune;
struct SdlApi;

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

private:
    // These run on the worker threads.
    bool openDevice();
    void closeDevice();
    bool closeWhenQuiet();
    void startEffect(int id, const QByteArray& wave);
    sound::Samples decode(const QByteArray& wave) const;
    void startMusic(const QByteArray& path);
    void stopMusic();
    // The device's callback, on SDL's audio thread.
    static void mix(void* self, unsigned char* stream, int length);

    struct CachedEffect {
        QByteArray wave;
        sound::Samples samples;
    };

    const long long m_quietFramesBeforeSleep;
    bool m_ownsDevice = false;
    std::atomic<bool> m_failed{false};
    std::atomic<bool> m_deviceOpen{false};
    std::atomic<const SdlApi*> m_sdl{nullptr};
    std::mutex m_deviceMutex; // opening and closing, from either worker
    unsigned m_device = 0;
    std::atomic<int> m_musicRequests{0};
    std::map<int, CachedEffect> m_effects; // effects worker only
    // Read by the callback; changed by the workers only under SDL's device lock.
    sound::EffectVoice m_voice;
    std::unique_ptr<Tune> m_tune;
    std::unique_ptr<Tune> m_endingTune;
    std::atomic<long long> m_quietFrames{0};
    // Separate workers: loading the music takes a moment and must not delay an effect.
    std::unique_ptr<AudioThread> m_effectThread;
    std::unique_ptr<AudioThread> m_musicThread;
};

std::unique_ptr<Sound> createSdlSound();
