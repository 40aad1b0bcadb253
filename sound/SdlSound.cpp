#include "SdlSound.h"
#include "AudioThread.h"
#include "common/SafeFile.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <atomic>

namespace {

// SDL_mixer has one global device: while one player holds it, another one stays silent.
std::atomic<bool> deviceTaken{false};

// 44.1 kHz stereo in 512-frame buffers of about 12 ms: an effect reaches the driver within one
// or two buffers of the call.
constexpr int mixRate = 44100;
constexpr int mixChannels = 2;
constexpr int mixBufferFrames = 512;
constexpr int effectChannel = 0;
// The tune renders about as loud as the effects; played at 44 % (-7 dB) it stays in the background,
// and an effect's peak on top of the music's peak still stays below full scale.
constexpr int musicVolume = 56;

// The General MIDI soundfont that comes with FluidSynth on Debian; the first one present wins.
const char* soundFont()
{
    static const char* const candidates[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
                                             "/usr/share/sounds/sf2/default-GM.sf2"};
    for (const char* path : candidates)
        if (QFile::exists(QString::fromLatin1(path)))
            return path;
    return nullptr;
}

} // namespace

SdlSound::SdlSound()
{
    if (deviceTaken.exchange(true))
        return;
    m_ownsDevice = true;
    // Without this hint SDL takes over SIGINT and SIGTERM, and the program no longer ends on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_AUDIO) != 0)
        return;
    m_sdlStarted = true;
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, mixChannels, mixBufferFrames) != 0)
        return;
    m_mixerOpen = true;
    Mix_AllocateChannels(1);
    Mix_VolumeMusic(musicVolume);
    if (const char* font = soundFont())
        Mix_SetSoundFonts(font);
    // SDL keeps an error text per thread, which only its own threads give back when they end.
    m_effectThread = std::make_unique<AudioThread>(SDL_TLSCleanup);
    m_musicThread = std::make_unique<AudioThread>(SDL_TLSCleanup);
    m_audioOn = true;
}

SdlSound::~SdlSound()
{
    m_effectThread.reset();
    m_musicThread.reset();
    if (m_mixerOpen) {
        // Halt before freeing: the mixer must not read a chunk or a piece that is gone.
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        if (m_music)
            Mix_FreeMusic(m_music);
        for (auto& [id, effect] : m_effects)
            Mix_FreeChunk(effect.chunk);
        Mix_CloseAudio();
        Mix_Quit();
    }
    if (m_sdlStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (SDL_WasInit(0) == 0)
            SDL_Quit();
    }
    if (m_ownsDevice)
        deviceTaken = false;
}

void SdlSound::playWav(int id, const QByteArray& wave)
{
    if (!m_audioOn || wave.isEmpty())
        return;
    m_effectThread->postLatest([this, id, wave] { startEffect(id, wave); });
}

void SdlSound::openAndPlayMusic(const QString& midiPath)
{
    if (!m_audioOn)
        return;
    m_musicThread->post([this, path = QFile::encodeName(midiPath)] { startMusic(path); });
}

void SdlSound::closeMusic()
{
    if (!m_audioOn)
        return;
    m_musicThread->post([this] { stopMusic(); });
}

void SdlSound::startEffect(int id, const QByteArray& wave)
{
    auto it = m_effects.find(id);
    if (it == m_effects.end() || it->second.wave != wave) {
        // Decoded once per effect: converting to the device's format is the slow part.
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.constData(), int(wave.size())), 1);
        if (!chunk)
            return; // an unreadable wave image is simply not heard
        if (it != m_effects.end()) {
            Mix_HaltChannel(effectChannel);
            Mix_FreeChunk(it->second.chunk);
        }
        it = m_effects.insert_or_assign(id, CachedEffect{wave, chunk}).first;
    }
    // Playing on the one fixed channel cuts off the effect that is still sounding.
    Mix_PlayChannel(effectChannel, it->second.chunk, 0);
}

void SdlSound::startMusic(const QByteArray& path)
{
    stopMusic();
    // A missing or broken file, or no soundfont, leaves the game without music and says nothing.
    // Only a regular file is opened: a FIFO would hold this worker in open() and the program
    // could never end.
    if (checkRegularFile(QFile::decodeName(path), 8 * 1024 * 1024) != FileCheck::Ok)
        return;
    Mix_Music* music = Mix_LoadMUS(path.constData());
    if (!music)
        return;
    if (Mix_PlayMusic(music, 1) != 0) {
        Mix_FreeMusic(music);
        return;
    }
    m_music = music;
}

void SdlSound::stopMusic()
{
    if (!m_music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(m_music);
    m_music = nullptr;
}

std::unique_ptr<Sound> createSdlSound() { return std::make_unique<SdlSound>(); }
