// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlSound.h"
#include "AudioThread.h"
#include "MixerLibrary.h"
#include "SdlVoice.h"
#include "common/SafeFile.h"
#include "sound/SoundFont.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <future>
#include <malloc.h>
#include <map>
#include <thread>
#include <vector>

namespace {

// SDL has one audio device for the game: while one player holds it, another one stays silent.
std::atomic<bool> deviceTaken{false};

// 44.1 kHz stereo in 256-frame buffers of about 6 ms: an effect reaches the driver within one or two
// buffers of the call, and the mixer's fades, which change the volume once per buffer, take
// small steps.
constexpr int mixRate = 44100;
constexpr int mixChannels = 2;
constexpr int mixBufferFrames = 256;
// A few channels, so that an effect ending in a fade never holds up the next one; players still
// hear one effect at a time.
constexpr int effectChannels = 4;
// The effects' channels form a group of their own; the voice has its own channels beside them.
constexpr int effectGroup = 1;
static_assert(VoiceChannels::First == effectChannels);
// An effect cut off fades out over 5 ms, sample by sample: over at once to the ear, and without a
// click. The mixer's own fade changes the volume once per buffer by the wall clock, so a late buffer
// turns it into a cut; the channel is ended by the clock only well after the ramp has silenced it.
constexpr int effectRampFrames = mixRate * 5 / 1000;
constexpr int effectEndMs = 100;
// Switching the music off fades it out over a moment rather than stopping it dead.
constexpr int musicFadeMs = 150;
// The tune accompanies the game; at the mixer's full volume it would drown the effects.
constexpr int musicVolume = 56;

// The tune's own soundfont, "<tune>.sf2" beside it, holds only what the tune plays (a few hundred
// kilobytes, made at build time); without it, or when it is not whole (FluidSynth would skip it
// and play the tune in silence), the whole General MIDI soundfont that comes with FluidSynth is
// loaded, the first one present. SDL_mixer reads ';' as a list separator.
constexpr qint64 maxOwnFontBytes = 32 * 1024 * 1024;

QByteArray soundFontFor(const QString& midiPath)
{
    const QFileInfo tune(midiPath);
    const QString own = tune.dir().filePath(tune.completeBaseName() + QStringLiteral(".sf2"));
    if (!own.contains(u';')) {
        const FileRead font = readRegularFile(own, maxOwnFontBytes);
        if (font.check == FileCheck::Ok && isWholeSoundFont(font.bytes))
            return QFile::encodeName(own);
    }
    for (const char* path : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
                             "/usr/share/sounds/sf2/default-GM.sf2"})
        if (QFile::exists(QString::fromLatin1(path)))
            return path;
    return {};
}

// The ramp of one effects channel: frames left of the fade, or -1 while the effect plays on.
struct ChannelRamp {
    std::atomic<int> left{-1};
};
ChannelRamp channelRamps[effectChannels];

// Runs on SDL's audio thread on the channel's samples before they are mixed.
void SDLCALL rampDown(int, void* stream, int length, void* ramp)
{
    std::atomic<int>& left = static_cast<ChannelRamp*>(ramp)->left;
    int frames = left.load();
    if (frames < 0)
        return;
    auto* s = static_cast<Sint16*>(stream);
    for (int f = 0; f < length / (2 * mixChannels); ++f) {
        const float gain = float(frames) / effectRampFrames;
        s[2 * f] = Sint16(s[2 * f] * gain);
        s[2 * f + 1] = Sint16(s[2 * f + 1] * gain);
        frames = std::max(frames - 1, 0);
    }
    left = frames;
}

// Closing the device ends SDL's audio thread; no thread of SDL is left afterwards.
void shutAudio(const MixerApi* mixer)
{
    mixer->Mix_CloseAudio();
    mixer->SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// SDL keeps an error text for every thread that calls it, which it gives back only when one of its
// own threads ends (our workers give theirs back themselves). The voice comes from the
// synthesizer's thread: that thread gives its text back when it ends.
void releaseSdlStateAtThreadEnd(const MixerApi* mixer)
{
    struct Release {
        const MixerApi* mixer = nullptr;
        ~Release()
        {
            if (mixer)
                mixer->SDL_TLSCleanup();
        }
    };
    thread_local Release atThreadEnd;
    atThreadEnd.mixer = mixer;
}

} // namespace

// A tune being loaded in the background, shared by the music worker and the loading thread: the
// worker takes the tune when the load ends, or gives up waiting when the player is destroyed.
// A load given up frees its tune itself. It also closes the device once it ends, if the player
// handed that over: closing clears the mixer's tables of music decoders, which a load fills.
struct SdlSound::MusicLoad {
    const MixerApi* mixer;
    QByteArray font;
    QByteArray midi;
    Mix_Music* music = nullptr;
    std::mutex mutex;
    bool finished = false;    // under mutex
    bool closeDevice = false; // under mutex

    MusicLoad(const MixerApi* m, QByteArray f, QByteArray bytes) : mixer(m), font(std::move(f)), midi(std::move(bytes)) {}
    MusicLoad(const MusicLoad&) = delete;
    MusicLoad& operator=(const MusicLoad&) = delete;
    ~MusicLoad()
    {
        if (!music)
            return;
        mixer->Mix_FreeMusic(music);
        mixer->SDL_TLSCleanup();
    }
    void run()
    {
        mixer->Mix_SetSoundFonts(font.constData());
        music = mixer->Mix_LoadMUS_RW(mixer->SDL_RWFromConstMem(midi.constData(), int(midi.size())), 1);
        std::lock_guard lock(mutex);
        finished = true;
        if (closeDevice) {
            if (music)
                mixer->Mix_FreeMusic(std::exchange(music, nullptr));
            shutAudio(mixer);
        }
        mixer->SDL_TLSCleanup();
    }
    // False when the load has ended already, and the caller closes the device.
    bool closeDeviceWhenDone()
    {
        std::lock_guard lock(mutex);
        closeDevice = !finished;
        return closeDevice;
    }
};

struct SdlSound::Loaded {
    struct Effect {
        QByteArray wave;
        Mix_Chunk* chunk = nullptr;
    };
    std::map<int, Effect> effects;
    std::vector<Mix_Chunk*> replaced; // may still be fading out; freed with the device
    Mix_Music* music = nullptr;
    QByteArray midi; // read by the mixer for as long as `music` lives
    VoiceChannels voices;
};

SdlSound::SdlSound(std::chrono::milliseconds quietBeforeSleep)
    : m_quietBeforeSleep(quietBeforeSleep), m_loaded(std::make_unique<Loaded>())
{
    if (deviceTaken.exchange(true))
        return;
    m_ownsDevice = true;
    // SDL keeps an error text per thread, which only its own threads give back when they end.
    auto cleanUp = [this] {
        if (const MixerApi* mixer = m_mixer.load())
            mixer->SDL_TLSCleanup();
    };
    m_effectThread = std::make_unique<AudioThread>(cleanUp);
    // Loading the tune takes a moment and must not delay an effect.
    m_musicThread = std::make_unique<AudioThread>(cleanUp);
    // The quiet is checked a few times over its length, and never while the device is closed.
    m_effectThread->setIdleCheck(std::max(quietBeforeSleep / 3, std::chrono::milliseconds(10)),
                                 [this] { return closeWhenQuiet(); });
}

namespace {
// A worker's running job may still reach the worker through its member while the worker ends (to
// wake the other worker, or to load in the background, which then gives up at once). So the
// member keeps pointing at the worker until its thread has ended: unique_ptr::reset would clear
// the member first, and such a job would find no worker.
void endWorker(std::unique_ptr<AudioThread>& worker)
{
    delete worker.get();
    (void)worker.release();
}
} // namespace

SdlSound::~SdlSound()
{
    // The music worker first: a tune being loaded holds the device open.
    endWorker(m_musicThread);
    endWorker(m_effectThread);
    const bool loading = closeDevice();
    m_unfinishedLoad.reset();
    // SDL is left as it is while a tune is still being loaded with it.
    if (const MixerApi* mixer = m_mixer.load(); mixer && !loading && mixer->SDL_WasInit(0) == 0)
        mixer->SDL_Quit();
    if (m_ownsDevice)
        deviceTaken = false;
}

void SdlSound::waitForRequests()
{
    if (!m_ownsDevice)
        return;
    for (AudioThread* worker : {m_musicThread.get(), m_effectThread.get()}) {
        std::promise<void> done;
        worker->post([&done] { done.set_value(); });
        done.get_future().wait();
    }
}

void SdlSound::playWav(int id, const QByteArray& wave)
{
    if (!isAudioOn() || wave.isEmpty())
        return;
    m_effectThread->postLatest([this, id, wave] { startEffect(id, wave); });
}

void SdlSound::openAndPlayMusic(const QString& midiPath)
{
    if (!isAudioOn())
        return;
    ++m_musicRequests;
    m_musicThread->post([this, path = QFile::encodeName(midiPath)] {
        startMusic(path);
        --m_musicRequests;
    });
}

void SdlSound::closeMusic()
{
    if (!isAudioOn())
        return;
    // Pending until the fade is over: the device stays awake for it.
    ++m_musicRequests;
    m_musicThread->post([this] {
        stopMusic();
        --m_musicRequests;
    });
}

bool SdlSound::openDevice()
{
    std::lock_guard lock(m_deviceMutex);
    if (m_deviceOpen)
        return true;
    if (m_failed)
        return false;
    const MixerApi* mixer = mixerApi();
    m_mixer = mixer;
    // Without this hint SDL takes over SIGINT and SIGTERM, and the program no longer ends on them.
    if (!mixer || !mixer->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1") || mixer->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        m_failed = true;
        return false;
    }
    // No changes allowed: SDL converts to whatever the hardware wants, and the fades stay in step.
    if (mixer->Mix_OpenAudioDevice(mixRate, AUDIO_S16SYS, mixChannels, mixBufferFrames, nullptr, 0) != 0) {
        mixer->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_failed = true;
        return false;
    }
    mixer->Mix_AllocateChannels(effectChannels + VoiceChannels::Count);
    mixer->Mix_GroupChannels(0, effectChannels - 1, effectGroup);
    m_lastHeard = std::chrono::steady_clock::now();
    m_deviceOpen = true;
    // The effects worker watches for the quiet that lets the device sleep again.
    m_effectThread->post([] {});
    return true;
}

bool SdlSound::closeDevice()
{
    std::lock_guard lock(m_deviceMutex);
    if (!m_deviceOpen)
        return false;
    const MixerApi* mixer = m_mixer.load();
    const bool hadMusic = m_loaded->music;
    m_loaded->voices.release(mixer);
    mixer->Mix_HaltChannel(-1);
    if (m_loaded->music) {
        mixer->Mix_HaltMusic();
        mixer->Mix_FreeMusic(m_loaded->music);
    }
    for (auto& [id, effect] : m_loaded->effects)
        mixer->Mix_FreeChunk(effect.chunk);
    for (Mix_Chunk* chunk : m_loaded->replaced)
        mixer->Mix_FreeChunk(chunk);
    // A tune still loading, given up by the music worker at the end, closes the device itself.
    const bool loading = m_unfinishedLoad && m_unfinishedLoad->closeDeviceWhenDone();
    if (!loading)
        shutAudio(mixer);
    // Decoded effects take more memory than their wave images; they are decoded again on demand.
    *m_loaded = Loaded();
    m_deviceOpen = false;
    // The soundfont was read in many small pieces; hand the pages back to the system.
    if (hadMusic)
        malloc_trim(0);
    return loading;
}

bool SdlSound::closeWhenQuiet()
{
    {
        std::lock_guard lock(m_deviceMutex);
        if (!m_deviceOpen)
            return false;
        const MixerApi* mixer = m_mixer.load();
        const auto now = std::chrono::steady_clock::now();
        // Fading channels and fading music count as playing.
        if (m_musicRequests > 0 || mixer->Mix_Playing(-1) > 0 || mixer->Mix_PlayingMusic())
            m_lastHeard = now;
        if (now - m_lastHeard < m_quietBeforeSleep)
            return true;
    }
    closeDevice();
    return false;
}

void SdlSound::startEffect(int id, const QByteArray& wave)
{
    if (!openDevice())
        return;
    std::lock_guard lock(m_deviceMutex);
    if (!m_deviceOpen)
        return;
    const MixerApi* mixer = m_mixer.load();
    Loaded::Effect& effect = m_loaded->effects[id];
    if (!effect.chunk || effect.wave != wave) {
        if (effect.chunk)
            m_loaded->replaced.push_back(effect.chunk);
        // Decoded once per effect: converting to the device's format is the slow part.
        effect = {wave, mixer->Mix_LoadWAV_RW(mixer->SDL_RWFromConstMem(wave.constData(), int(wave.size())), 1)};
        if (!effect.chunk) {
            m_loaded->effects.erase(id);
            return; // an unreadable wave image is simply not heard
        }
    }
    // The effect playing ends in a short fade; the new one starts at once on another channel.
    for (int channel = 0; channel < effectChannels; ++channel) {
        int playingOn = -1;
        if (mixer->Mix_Playing(channel) && channelRamps[channel].left.compare_exchange_strong(playingOn, effectRampFrames))
            mixer->Mix_ExpireChannel(channel, effectEndMs);
    }
    int channel = mixer->Mix_GroupAvailable(effectGroup);
    if (channel < 0) {
        // Every channel is still ending (effects asked for in a rapid burst): the oldest, silent
        // by now, gives way.
        channel = std::max(mixer->Mix_GroupOldest(effectGroup), 0);
        mixer->Mix_HaltChannel(channel);
    }
    channelRamps[channel].left = -1;
    if (mixer->Mix_PlayChannel(channel, effect.chunk, 0) == channel)
        mixer->Mix_RegisterEffect(channel, &rampDown, nullptr, &channelRamps[channel]);
    m_lastHeard = std::chrono::steady_clock::now();
}

void SdlSound::playVoice(const short* samples, int count, int rate)
{
    // Called on the voice's own thread, which has waited for the synthesizer already.
    if (!isAudioOn() || count <= 0)
        return;
    const bool open = openDevice();
    releaseSdlStateAtThreadEnd(m_mixer.load());
    if (!open)
        return;
    std::lock_guard lock(m_deviceMutex);
    if (!m_deviceOpen)
        return;
    m_loaded->voices.start(m_mixer.load(), samples, count, rate, mixRate);
    m_lastHeard = std::chrono::steady_clock::now();
}

void SdlSound::stopVoice()
{
    if (!isAudioOn())
        return;
    std::lock_guard lock(m_deviceMutex);
    if (!m_deviceOpen)
        return;
    releaseSdlStateAtThreadEnd(m_mixer.load());
    m_loaded->voices.fadeOut(m_mixer.load());
}

void SdlSound::startMusic(const QByteArray& path)
{
    // A missing or broken file, or no soundfont, leaves the game without music and says nothing.
    // Only a regular file of a sane size is read: a FIFO would hold this worker in open() and the
    // program could never end.
    stopMusic();
    FileRead midi = readRegularFile(QFile::decodeName(path), 8 * 1024 * 1024);
    const QByteArray font = soundFontFor(QFile::decodeName(path));
    if (midi.check != FileCheck::Ok || font.isEmpty())
        return;
    // Loading the libraries and the soundfont starts with the window's first activation and must not
    // hold up the window coming up, so it runs in the background. The device is opened here all
    // the same: SDL's audio thread takes its priority from the thread that opens it. The device
    // lock is not held while loading, and the device stays open because a music request is
    // pending. Only this worker sets the soundfont. A player being destroyed does not wait for a
    // load: the load then frees the tune itself.
    if (!m_mixer.load() && !m_musicThread->runInBackground([] { mixerApi(); }))
        return;
    if (!openDevice())
        return;
    auto load = std::make_shared<MusicLoad>(m_mixer.load(), font, std::move(midi.bytes));
    if (!m_musicThread->runInBackground([load] { load->run(); })) {
        m_unfinishedLoad = std::move(load);
        return;
    }
    if (!load->music)
        return;
    const MixerApi* mixer = load->mixer;
    std::lock_guard lock(m_deviceMutex);
    Mix_Music* music = std::exchange(load->music, nullptr);
    m_loaded->music = music;
    m_loaded->midi = load->midi;
    mixer->Mix_VolumeMusic(musicVolumeBesideVoices(musicVolume));
    if (mixer->Mix_PlayMusic(music, 1) != 0) {
        mixer->Mix_FreeMusic(music);
        m_loaded->music = nullptr;
        m_loaded->midi.clear();
    }
    m_lastHeard = std::chrono::steady_clock::now();
}

void SdlSound::stopMusic()
{
    std::unique_lock lock(m_deviceMutex);
    if (!m_deviceOpen || !m_loaded->music)
        return;
    const MixerApi* mixer = m_mixer.load();
    Mix_Music* music = std::exchange(m_loaded->music, nullptr);
    const QByteArray midi = std::exchange(m_loaded->midi, {});
    mixer->Mix_FadeOutMusic(musicFadeMs);
    // The device stays open while the tune fades: this request is still pending.
    lock.unlock();
    // Freeing waits for the fade to end, checking only every 100 ms, so it is waited for here:
    // SDL_mixer counts it in buffers of whole milliseconds (5 ms for 5.8 ms of sound), which makes
    // it a fifth longer. Then the soundfont's memory goes back to the system.
    std::this_thread::sleep_for(std::chrono::milliseconds(musicFadeMs * 6 / 5 + 12));
    mixer->Mix_FreeMusic(music);
    malloc_trim(0);
}

std::unique_ptr<Sound> createSdlSound() { return std::make_unique<SdlSound>(); }
