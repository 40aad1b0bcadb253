#pragma once
// The real sound player, on SDL2_mixer. Effects play on one channel, so a new one cuts off the
// one playing; the music is a MIDI file rendered with the General MIDI soundfont. Without an
// audio device (or without SDL) the player stays silent and every call is a cheap no-op.
#include "sound/Sound.h"

#include <QByteArray>
#include <map>
#include <memory>

class AudioThread;
struct Mix_Chunk;
struct _Mix_Music;

class SdlSound final : public Sound {
public:
    // Opens the audio device; this is the only call that may take a while.
    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // False when no audio device could be opened: the game then plays on in silence.
    bool isAudioOn() const { return m_audioOn; }

    void playWav(int id, const QByteArray& wave) override;
    void openAndPlayMusic(const QString& midiPath) override;
    void closeMusic() override;

private:
    struct CachedEffect {
        QByteArray wave;
        Mix_Chunk* chunk = nullptr;
    };

    // These run on the worker threads.
    void startEffect(int id, const QByteArray& wave);
    void startMusic(const QByteArray& path);
    void stopMusic();

    bool m_ownsDevice = false;
    bool m_sdlStarted = false;
    bool m_mixerOpen = false;
    bool m_audioOn = false;
    std::map<int, CachedEffect> m_effects; // used by m_effectThread only
    _Mix_Music* m_music = nullptr; // used by m_musicThread only
    // Separate threads: loading the music takes a few hundred milliseconds and must not delay
    // an effect.
    std::unique_ptr<AudioThread> m_effectThread;
    std::unique_ptr<AudioThread> m_musicThread;
};

std::unique_ptr<Sound> createSdlSound();
